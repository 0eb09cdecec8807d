#include "sending/RunOrder.h"

#include <array>
#include <cstddef>

#include "text/Text.h"

namespace tavrilon::sending {

namespace {

struct OrderNames {
  RunOrder order;
  std::string_view word;
  std::string_view stored;
};
constexpr std::array<OrderNames, 3> kOrders = {{
    {RunOrder::File, "file", "0"},
    {RunOrder::Call, "call", "1"},
    {RunOrder::Bureau, "bureau", "2"},
}};

const OrderNames& NamesOf(RunOrder order) {
  return kOrders[static_cast<std::size_t>(order)];
}

}  // namespace

std::optional<RunOrder> RunOrderOf(std::string_view word) {
  for (const OrderNames& names : kOrders) {
    if (text::EqualsIgnoringCase(text::TrimBlanks(word), names.word)) {
      return names.order;
    }
  }
  return std::nullopt;
}

std::string_view RunOrderWord(RunOrder order) {
  return NamesOf(order).word;
}

RunOrder RunOrderOfStored(std::string_view stored) {
  const auto number = text::ParseWholeNumber(stored);
  return number && *number >= 0 && *number < static_cast<std::int64_t>(kOrders.size())
             ? kOrders[static_cast<std::size_t>(*number)].order
             : RunOrder::File;
}

std::string_view StoredRunOrder(RunOrder order) {
  return NamesOf(order).stored;
}

}  // namespace tavrilon::sending
