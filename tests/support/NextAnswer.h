#pragma once

#include <deque>

namespace tavrilon::test {

// The next scripted answer, or the type's empty value when the script has run out.
template <typename Answer>
Answer NextAnswer(std::deque<Answer>& answers) {
  Answer answer{};
  if (!answers.empty()) {
    answer = answers.front();
    answers.pop_front();
  }
  return answer;
}

}  // namespace tavrilon::test
