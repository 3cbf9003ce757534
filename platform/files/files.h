// The folder that holds the data files, and the files in it. Each file is
// opened, used and closed within one call.
#pragma once

#include <QString>

#include <chrono>
#include <memory>
#include <string>

class QLockFile;

namespace platform {

struct FileRead {
    bool ok = false;
    std::string bytes;    // the file's bytes, as they are
    std::string problem;  // why it could not be read
};

struct FileWrite {
    bool ok = false;
    std::string problem;
};

class DataFolder {
public:
    explicit DataFolder(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }
    QString filePath(const char* name) const;
    // The file's path for messages, in the bytes the system names it with
    // (UTF-8 on a UTF-8 system), whatever script its folders are named in.
    std::string shownPath(const char* name) const;

    // Reads at most the first 64 KiB: every data file is one short record.
    FileRead read(const char* name) const;

    // Replaces the file as a whole: the bytes go to a temporary file that
    // takes the old one's place only once it is complete, so a failed write
    // leaves the earlier file as it was.
    FileWrite write(const char* name, const std::string& bytes) const;

private:
    QString path_;
};

// Held while a game reads the high score on disk and saves its own, so that
// two games playing from one folder take turns: the lock file Orvo.lock in
// the folder, there from the moment a game takes it until that game has
// read or saved the two files. One left by a game that died is taken over
// at once, whatever its age; one another live game holds is never taken.
class SaveLock {
public:
    // Takes the lock, waiting at most `patience` for another game to finish
    // its save. While it waits, the window's events flow (but for the
    // player's input), so that the game never stands still.
    SaveLock(const DataFolder& folder, std::chrono::milliseconds patience);
    ~SaveLock();
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

    bool held() const;
    // Why the lock is not held, for the player: another game holds it, or
    // the folder will not take it.
    const std::string& problem() const { return problem_; }

private:
    std::unique_ptr<QLockFile> lock_;
    std::string problem_;
};

}  // namespace platform
