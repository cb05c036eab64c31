#pragma once

#include <string>

namespace quorbel {

// Numbers on the sheet carry a leading blank where a minus sign would stand:
// "Chance: " + 21 reads "Chance:  21".
inline std::string formatScore(int value) {
    return value >= 0 ? " " + std::to_string(value) : std::to_string(value);
}

}  // namespace quorbel
