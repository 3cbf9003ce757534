// Where the three data files live, decided once at start, and the player's
// own data folder made ready for a first start.
#pragma once

#include "platform/files/files.h"

#include <string>

namespace platform {

enum class DataPlace {
    Given,     // the folder named on the command line
    Portable,  // the program's own folder, which holds at least one of the files
    PerUser,   // the player's own data folder
};

struct DataLocation {
    DataFolder folder;
    DataPlace place;
};

// The player's own data folder: $XDG_DATA_HOME/orvo, or
// ~/.local/share/orvo when the variable is unset, empty or relative.
QString perUserDataFolder();

// In this order: the given folder, when one is given; the program's own
// folder, when it holds any of the three files (a build folder, a copied
// folder, a USB stick); the player's own data folder ($XDG_DATA_HOME/orvo).
DataLocation locateDataFolder(const QString& given);
// The same choice between folders the caller names.
DataLocation locateDataFolder(const QString& given, const QString& programFolder, const QString& perUserFolder);

// Makes the player's own data folder ready: creates it when needed (for
// its owner alone, mode 0700, as any missing folder above it) and
// writes each data file missing there with its built-in default, saying so
// on standard error. A file that is there is never touched, whatever it
// holds. Returns the message that stops the start when the folder cannot be
// made or a default cannot be written, else an empty text.
std::string prepareDataFolder(const DataFolder& folder);

}  // namespace platform
