// The fifty hints a broken sign may give, numbered 1 to 50 as the game draws them.
#pragma once

#include <string_view>

namespace tq {

constexpr int kHintCount = 50;

// The hint numbered r, 1 <= r <= kHintCount.
std::string_view HintText(int r);

}  // namespace tq
