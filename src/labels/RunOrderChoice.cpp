#include "labels/RunOrderChoice.h"

namespace tavrilon::labels {

sending::RunOrder EffectiveRunOrder(sending::RunOrder chosen, double multiLines) {
  return chosen == sending::RunOrder::File && multiLines > 1 ? sending::RunOrder::Call : chosen;
}

}  // namespace tavrilon::labels
