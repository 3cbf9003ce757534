// Small helpers shared by the widget tests: colours and pixels, and the side
// windows.
#pragma once

#include "common/colour.h"
#include "platform/window/side_window.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>

class Form3;
class TestGame;

QColor qColour(ColourWord colour);

// The pixels of one colour in an image.
QList<QPoint> pixelsOf(const QImage& image, const QColor& colour);

// Destroys every side window still open, so that one test leaves none to
// the next.
void closeSideWindows();

// Opens the Options window over the game's main window; `ref` follows it.
Form3* openOptions(TestGame& game, platform::SideWindowRef& ref);
