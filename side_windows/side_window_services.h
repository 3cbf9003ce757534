// What the Info and Options windows need from the rest of the game.
#pragma once

#include "platform/files.h"

namespace platform {
class Dialogs;
class GameWindow;
}

struct SideWindowServices {
    platform::Dialogs& dialogs;
    platform::DataFolder folder;
    platform::GameWindow& mainWindow;
};
