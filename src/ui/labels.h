#pragma once

#include "ui/form.h"

namespace quorbel {

// Creates the upper score labels Twos..Sixes as copies of Aces, one row apart.
void loadlabels(Form& form);

}  // namespace quorbel
