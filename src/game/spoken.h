// What a screen reader says for each control of the window, and for each event's result:
// the words a player reads on it, plus what colour tells a sighted player (a blue row is
// closed). A held die says so by its checked state.
#pragma once

#include <string>

#include "game/quorbel.h"

namespace quorbel {

// The accessible name of a control a player acts on or reads.
std::string accessibleName(const Quorbel& game, ControlId id);

// The longer words a screen reader offers on request: Roll lists the faces on view, so
// that a roll can be heard without leaving it, and a category that can be claimed what
// entering the dice would bring ("Would score 23", "Would close with 0"). Empty otherwise.
std::string accessibleDescription(const Quorbel& game, ControlId id);

// What a roll brought, said without a key: "Rolled 4, 3 held, 5, 2, 5, 1; 1 of 5 rolls
// used", and after the last roll that Roll is spent.
std::string rolledNews(const Quorbel& game);

// What a claim entered, and the totals after it: "Chance: 23. Upper total 40, lower total
// 63, total 103".
std::string claimedNews(const Quorbel& game, const Control& label);

// What a die's key did: "Die 3 held", "Die 3 released".
std::string heldNews(const Quorbel& game, int die);

// The dice on request: "Dice 4, 3 held, 5, 2, 5, 1; 1 of 5 rolls used".
std::string diceNews(const Quorbel& game);

// The totals on request, with the way to the bonus: "Upper total 40, 36 short of the
// bonus; lower total 63; total 103".
std::string totalsNews(const Quorbel& game);

}  // namespace quorbel
