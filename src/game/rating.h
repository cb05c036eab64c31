#pragma once

#include <optional>
#include <string>

namespace quorbel {

// The words that rate a finished game; a total of 5 or less earns none.
std::optional<std::string> ratingMessage(int grandTotal);

}  // namespace quorbel
