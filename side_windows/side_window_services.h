// What the Info and Options windows need from the rest of the game.
#pragma once

#include "common/module1.h"
#include "platform/files/files.h"

#include <functional>

namespace platform {
class Dialogs;
class GameWindow;
}

struct SideWindowServices {
    platform::Dialogs& dialogs;
    platform::DataFolder folder;
    Module1& settings;
    // The main window: it owns the Options window, and is shown again when
    // that closes.
    platform::GameWindow& mainWindow;
    // Asks the main window to take Back_Color as its background, which
    // clears its picture.
    std::function<void()> backColorChanged;
};
