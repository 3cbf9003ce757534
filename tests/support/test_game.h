// A main window for widget tests: its own data files in a temporary folder,
// scripted dialogs, a seeded random source and a fixed time of day.
#pragma once

#include "main_window/form1.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_random.h"

#include <QTemporaryDir>

#include <memory>
#include <string>

struct DataFiles {
    std::string high;   // raw bytes; empty string means "leave the file out"
    std::string name;
    std::string style;

    // The files of a fresh installation with the given style record.
    static DataFiles defaults(const std::string& styleRecord = "12648447,6299680,0\r\n");
};

class TestGame {
public:
    explicit TestGame(const DataFiles& files = DataFiles::defaults(), std::uint64_t seed = 7);

    Form1& form() { return *form_; }
    ScriptedDialogs& dialogs() { return dialogs_; }
    SeededRandom& random() { return random_; }
    QString folder() const { return dir_.path(); }
    std::string fileBytes(const char* name) const;

    int endedWith = -1;  // the status endProgram was called with

    // Loads, shows and waits until the first maze is drawn and the window
    // has the focus. False when any step failed.
    bool start();

private:
    QTemporaryDir dir_;
    ScriptedDialogs dialogs_;
    SeededRandom random_;
    std::unique_ptr<Form1> form_;
};

// The bytes of the default High.dat (the scrambled text of 0).
std::string defaultHighDat();

// Puts the player on the goal's one open neighbour and holds the arrow key
// that steps onto the goal at the next play tick. False if the goal has no
// open neighbour.
bool placeBesideGoal(Form1& form);

// Makes a folder refuse new files, even for root (by the immutable
// attribute), and gives it back on destruction. ok() is false where
// neither way is possible; reason() then says why.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool ok() const { return ok_; }
    const QString& reason() const { return reason_; }

private:
    QString path_;
    bool ok_ = false;
    bool immutable_ = false;
    QString reason_;
};

// A small file system of its own mounted on an empty folder (a tmpfs, which
// takes root), and given back on destruction. fill() leaves no room on it,
// so that no file there can grow. ok() is false where it cannot be
// mounted; reason() then says why.
class SmallDisk {
public:
    SmallDisk(const QString& path, qint64 bytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool ok() const { return mounted_; }
    const QString& reason() const { return reason_; }

    // Writes a file named "filler" until the disk is full. False, with the
    // reason, when it did not fill up.
    bool fill(QString* why);

private:
    QString path_;
    qint64 bytes_;
    bool mounted_ = false;
    QString reason_;
};
