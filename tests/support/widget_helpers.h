// Small helpers shared by the widget tests: colours and pixels, the
// program-wide settings, and the side windows.
#pragma once

#include "common/colour.h"
#include "platform/side_window.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>

class Form3;
class TestGame;

QColor qColour(ColourWord colour);

// The pixels of one colour in an image.
QList<QPoint> pixelsOf(const QImage& image, const QColor& colour);

// Sets the style, both colours and the six components back to 0, as at the
// start of a run.
void resetSettings();

// Destroys every side window still open, so that one test leaves none to
// the next.
void closeSideWindows();

// Opens the Options window over the game's main window; `ref` follows it.
Form3* openOptions(TestGame& game, platform::SideWindowRef& ref);
