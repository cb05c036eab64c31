// How each category scores the six dice.
#pragma once

#include <array>

#include "game/game_state.h"

namespace quorbel {

using FaceCounts = std::array<int, 7>;  // face 1..6; element 0 counts blank dice

struct Outcome {
    bool qualifies = false;
    int score = 0;  // 0 where the category's points are fixed
    bool operator==(const Outcome&) const = default;
};

FaceCounts countFaces(const Dice& dice);

// Every rule reads the dice and how many show each face.
using Rule = Outcome (*)(const GameState& state, const FaceCounts& counts);

// Aces..Sixes, one rule each for the category table: the face times the dice that show it.
template <int Face>
Outcome upperRule(const GameState& /*state*/, const FaceCounts& counts) {
    return {true, Face * counts[Face]};
}
Outcome chanceRule(const GameState& state, const FaceCounts& counts);
Outcome threeOfAKindRule(const GameState& state, const FaceCounts& counts);
Outcome fourOfAKindRule(const GameState& state, const FaceCounts& counts);
Outcome fiveOfAKindRule(const GameState& state, const FaceCounts& counts);
// The score is the slot after this claim.
Outcome sixOfAKindRule(const GameState& state, const FaceCounts& counts);
Outcome threePairsRule(const GameState& state, const FaceCounts& counts);
Outcome twoTriplesRule(const GameState& state, const FaceCounts& counts);
Outcome smallStraightRule(const GameState& state, const FaceCounts& counts);
Outcome largeStraightRule(const GameState& state, const FaceCounts& counts);
Outcome giantStraightRule(const GameState& state, const FaceCounts& counts);

}  // namespace quorbel
