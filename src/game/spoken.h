// What a screen reader says for each control of the window: the words a player reads
// on it, plus what colour and pictures tell a sighted player (a blue row is closed, a
// die with HOLD on it is held).
#pragma once

#include <string>

#include "game/quorbel.h"

namespace quorbel {

// The accessible name of a control; empty for the pips and HOLD pictures, which the
// window keeps from readers.
std::string accessibleName(const Quorbel& game, ControlId id);

// The longer words a screen reader offers on request: Roll lists the faces on view,
// so that a roll can be heard without leaving it. Empty for every other control.
std::string accessibleDescription(const Quorbel& game, ControlId id);

}  // namespace quorbel
