#include "game/rules.h"

#include <algorithm>
#include <numeric>

namespace quorbel {

namespace {

int sumOfDice(const Dice& dice) {
    return std::accumulate(dice.begin() + 1, dice.end(), 0);
}

bool shown(const FaceCounts& counts, std::initializer_list<int> faces) {
    return std::all_of(faces.begin(), faces.end(), [&](int face) { return counts[face] > 0; });
}

// Sum over the faces of count / size: the number of disjoint groups of that size.
int groupsOf(const FaceCounts& counts, int size) {
    int groups = 0;
    for (int face = 1; face <= 6; ++face) groups += counts[face] / size;
    return groups;
}

int facesShownMoreThan(const FaceCounts& counts, int times) {
    return static_cast<int>(
        std::count_if(counts.begin() + 1, counts.end(), [&](int n) { return n > times; }));
}

}  // namespace

FaceCounts countFaces(const Dice& dice) {
    FaceCounts counts{};
    for (int die = 1; die <= 6; ++die) {
        const int face = dice[die];
        if (face >= 0 && face <= 6) ++counts[face];
    }
    return counts;
}

Outcome chanceRule(const GameState& state, const FaceCounts& /*counts*/) {
    return {true, sumOfDice(state.dice)};
}

Outcome threeOfAKindRule(const GameState& state, const FaceCounts& counts) {
    // Exactly one face three times or more: two triples do not count.
    if (facesShownMoreThan(counts, 2) != 1) return {};
    return {true, 2 * sumOfDice(state.dice) / 3};
}

Outcome fourOfAKindRule(const GameState& state, const FaceCounts& counts) {
    if (facesShownMoreThan(counts, 3) == 0) return {};
    return {true, sumOfDice(state.dice)};
}

Outcome fiveOfAKindRule(const GameState& state, const FaceCounts& counts) {
    if (facesShownMoreThan(counts, 4) == 0) return {};
    // Five equal dice leave at most one odd die, so two of the first three agree.
    const Dice& d = state.dice;
    const int face = (d[1] == d[2] || d[1] == d[3]) ? d[1] : d[2];
    return {true, 10 * face};
}

Outcome sixOfAKindRule(const GameState& state, const FaceCounts& /*counts*/) {
    const Dice& d = state.dice;
    // Six blank dice are not six of a kind: the dice must show a real face.
    const bool sixEqual = std::all_of(d.begin() + 2, d.end(), [&](int v) { return v == d[1]; });
    if (!sixEqual || d[1] < 1 || d[1] > 6) return {};
    return {true, state.sxkindscore > 0 ? state.sxkindscore + 150 : 100};
}

Outcome threePairsRule(const GameState& /*state*/, const FaceCounts& counts) {
    return {groupsOf(counts, 2) >= 3};
}

Outcome twoTriplesRule(const GameState& /*state*/, const FaceCounts& counts) {
    const int triples = groupsOf(counts, 3);
    if (triples < 2) return {};
    return {true, 5 * triples};
}

Outcome smallStraightRule(const GameState& /*state*/, const FaceCounts& c) {
    return {shown(c, {3, 4}) && (shown(c, {1, 2}) || shown(c, {2, 5}) || shown(c, {5, 6}))};
}

Outcome largeStraightRule(const GameState& /*state*/, const FaceCounts& c) {
    return {shown(c, {2, 3, 4, 5}) && (shown(c, {1}) || shown(c, {6}))};
}

Outcome giantStraightRule(const GameState& /*state*/, const FaceCounts& counts) {
    return {shown(counts, {1, 2, 3, 4, 5, 6})};
}

}  // namespace quorbel
