// Faces the program carries in itself, for machines that lack those the window is
// designed with.
#pragma once

#include <QString>

namespace quorbel::qt {

// The family of Anton, the free face that stands in for Impact (a condensed heavy sans
// of the same build). Registered with Qt the first time it is asked for.
QString impactStandIn();

}  // namespace quorbel::qt
