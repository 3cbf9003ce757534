// Starts loading the font configuration on a worker thread as the program
// starts. The first text of a run otherwise waits while the configuration
// files are read and the font caches are mapped, several milliseconds; that
// is the first step Qt's font database takes, and it is taken here earlier,
// while the application object connects to the display.
#pragma once

#include <thread>

namespace platform {

class FontPreparation {
public:
    FontPreparation();
    // Waits for the worker.
    ~FontPreparation();

    FontPreparation(const FontPreparation&) = delete;
    FontPreparation& operator=(const FontPreparation&) = delete;

private:
    std::thread worker_;
};

}  // namespace platform
