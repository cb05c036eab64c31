// How each category scores the six dice.
#pragma once

#include <array>

#include "game/game_state.h"

namespace quorbel {

using FaceCounts = std::array<int, 7>;  // face 1..6; element 0 counts blank dice

struct Outcome {
    bool qualifies = false;
    int score = 0;
    bool operator==(const Outcome&) const = default;
};

FaceCounts countFaces(const Dice& dice);

// Every rule reads the dice, and the face counts of the state once they are recounted.
Outcome upperRule(const GameState& state, int face);
// Aces..Sixes, one rule each for the category table.
template <int Face>
Outcome upperRule(const GameState& state) {
    return upperRule(state, Face);
}
Outcome chanceRule(const GameState& state);
Outcome threeOfAKindRule(const GameState& state);
Outcome fourOfAKindRule(const GameState& state);
Outcome fiveOfAKindRule(const GameState& state);
Outcome sixOfAKindRule(const GameState& state);  // score: the slot after this claim
Outcome threePairsRule(const GameState& state);
Outcome twoTriplesRule(const GameState& state);
Outcome smallStraightRule(const GameState& state);
Outcome largeStraightRule(const GameState& state);
Outcome giantStraightRule(const GameState& state);

}  // namespace quorbel
