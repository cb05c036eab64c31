// Scores as the window writes them.
#pragma once

#include <optional>
#include <string>

namespace quorbel {

// Numbers on the sheet carry a leading blank where a minus sign would stand:
// "Chance: " + 21 reads "Chance:  21".
inline std::string formatScore(int value) {
    return value >= 0 ? " " + std::to_string(value) : std::to_string(value);
}

// The words that rate a finished game; a total of 5 or less earns none.
std::optional<std::string> ratingMessage(int grandTotal);

}  // namespace quorbel
