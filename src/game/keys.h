// The keys of the game, as the key list shows them to the player.
#pragma once

#include <string>
#include <vector>

namespace quorbel {

struct KeyUse {
    std::string keys;  // "1 to 6", "Ctrl+Q"
    std::string does;
};

// Every key of the game, from the direct keys to those of the key list itself.
const std::vector<KeyUse>& keyList();

}  // namespace quorbel
