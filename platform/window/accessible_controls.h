// What assistive technology reads of the side windows' hand-made controls:
// a label that acts as a push button or as one of a set of choices, and a
// picture that sets a value (a colour bar) as a slider. Qt's own widgets
// describe themselves; these are described here.
#pragma once

namespace platform {

// Puts the descriptions into Qt's accessibility; only the first call does
// anything.
void installAccessibleControls();

}  // namespace platform
