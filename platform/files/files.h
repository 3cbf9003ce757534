// The folder that holds the data files, and the files in it. Each file is
// opened, used and closed within one call.
#pragma once

#include <QString>

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

// Held while a game checks and saves its high score, so that two games
// playing from one folder take turns: a lock file in the folder, there only
// for the moment of the save. One left by a game that was killed is taken
// over at once; one the folder will not take (a read-only folder) or
// another game holds for seconds is not waited for, and the save goes on
// as it would without it.
class SaveLock {
public:
    explicit SaveLock(const DataFolder& folder);
    ~SaveLock();
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

private:
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace platform
