// The main window: it owns the game's state for the whole run, handles the
// window's events and the two timers, and hands the rules to the libraries
// that keep them (the generator, the movement rule, the renderers, the data
// files).
#pragma once

#include "common/module1.h"
#include "maze/maze_grid.h"
#include "platform/files/files.h"
#include "platform/window/game_window.h"
#include "platform/window/side_window.h"
#include "platform/window/timer.h"
#include "render/maze_renderer.h"
#include "side_windows/side_window_services.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class RandomSource;

namespace platform {
class Dialogs;
}

// What the main window needs from outside; tests pass their own.
struct Form1Services {
    platform::Dialogs& dialogs;
    RandomSource& random;
    platform::DataFolder folder;
    std::function<double()> timeOfDay;
    std::function<void(int status)> endProgram;
};

class Form1 {
public:
    // The client area the window opens with; it gives the smallest maze.
    static constexpr int kInitialClientWidth = 666;
    static constexpr int kInitialClientHeight = 386;
    static constexpr int kSmallestWidth = 42;
    static constexpr int kSmallestHeight = 21;

    explicit Form1(Form1Services services);

    // Reads the data files and applies the colours. False when a file
    // stopped the start; the player has then been told which and why.
    bool Form_Load();
    // Opens the window at its initial size.
    void show();

    void Form_Resize();
    void Form_GotFocus();
    void Form_LostFocus();
    void Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift);
    void Form_KeyUp(std::int16_t KeyCode, std::int16_t Shift);
    void Timer1_Timer();
    void Timer2_Timer();

    std::string DirEncode(const std::string& sDir);

    platform::GameWindow& window() { return window_; }
    Module1& settings() { return settings_; }
    // What the Info and Options windows are opened with.
    SideWindowServices sideWindowServices();
    platform::Timer& timer1() { return Timer1; }
    platform::Timer& timer2() { return Timer2; }

    // The game state, in its order of declaration. Public so that tests can
    // set up a position as a player would reach it.
    MazeGrid Maze;
    std::int16_t Maze_Width = 0;
    std::int16_t Maze_Height = 0;
    std::int16_t Dig_Limit = 0;
    std::int16_t Player_X = 0;
    std::int16_t Player_Y = 0;
    std::int16_t Prev_X = 0;
    std::int16_t Prev_Y = 0;
    std::int16_t Key_Up = 0;
    std::int16_t Key_Left = 0;
    std::int16_t Key_Right = 0;
    std::int16_t Key_Down = 0;
    std::int16_t Goal_Y = 0;
    std::int16_t Time_Minutes = 0;
    std::int16_t Time_Seconds = 0;
    std::int16_t High_Score = 0;
    std::string High_Name;
    std::string Cipher_Key;

private:
    void Make_Maze();
    void drawPicture();
    // Tells assistive technology the two text lines the picture shows.
    void describeLines();
    void finishGame();
    void releaseKeys();
    // Sees what is on disk under the lock, and saves the pair only while
    // the score still beats the high score there.
    void saveHighScore(std::int16_t score, const std::string& name);
    // Takes the high score and its holder from the files when another game
    // has saved a higher one there since.
    void adoptSavedHighScore();
    void storeHighScore();
    MazeScene scene() const;
    // Reads High.dat into High_Score; a fault is reported.
    bool loadHighScore();
    bool loadFailed(const char* fileName, const std::string& problem);

    std::string Codes_To_Text(const std::vector<std::int16_t>& codes);
    std::string Xor_Text(const std::string& Text, std::string& Key);

    Form1Services services_;
    Module1 settings_;
    platform::SideWindowRef form2_;
    // Set while the finish waits in its dialogs; play ticks that arrive
    // meanwhile neither move the player nor finish a second time.
    bool finishing_ = false;
    platform::GameWindow window_;
    platform::Timer Timer1;
    platform::Timer Timer2;
};
