// The game's variables. Every slot and total is a plain int: the six-of-a-kind
// slot has no bound of its own, so a 16-bit field could overflow in a long game.
#pragma once

#include <array>

#include "dice/dice.h"

namespace quorbel {

inline constexpr int kRollsPerTurn = 5;
inline constexpr int kBonusThreshold = 75;  // the upper scores must add up to more than this
inline constexpr int kBonus = 42;

struct GameState {
    Dice dice{};                     // die 1..6; 0 until the die is first rolled
    int rolls = 0;                   // 0..kRollsPerTurn
    std::array<int, 7> facescore{};  // Aces..Sixes by face
    int thrkindscore = 0;
    int frkindscore = 0;
    int fvkindscore = 0;
    int sxkindscore = 0;
    int ttkindscore = 0;
    int sstrscore = 0;
    int lstrscore = 0;
    int gstrscore = 0;
    int thpairscore = 0;
    int chancescore = 0;
    int lowertotal = 0;
    int uppertotal = 0;
    int grandtotal = 0;
    int claimed = 0;

    bool operator==(const GameState&) const = default;
};

}  // namespace quorbel
