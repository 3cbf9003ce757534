#include "main_window/form1.h"

#include "common/random_source.h"
#include "common/texts.h"
#include "maze/generator.h"
#include "persist/data_files.h"
#include "persist/scrambling.h"
#include "platform/dialogs/dialogs.h"
#include "platform/window/key_codes.h"
#include "common/cell_geometry.h"
#include "play/movement.h"
#include "play/score.h"
#include "side_windows/form2.h"
#include "common/text_forms.h"
#include "persist/record.h"

#include <algorithm>
#include <optional>

namespace {

constexpr std::int16_t kHeld = -1;

// How long a finish waits for another game's save: one takes a blink.
constexpr std::chrono::milliseconds kLockPatience {2000};

// The largest maze the grid and the 16-bit counters can serve: at most 999
// cells a side and 32767 cells in all. A larger window keeps the full width
// and gets fewer rows; the rest of the window stays background.
void boundMaze(int& width, int& height)
{
    width = std::min(width, kLargestSide);
    height = std::min(height, kLargestSide);
    if (width * height > kLargestCellCount)
        height = kLargestCellCount / width;
}

}  // namespace

Form1::Form1(Form1Services services)
    : services_(std::move(services)),
      Timer1(100, [this] { Timer1_Timer(); }),
      Timer2(1000, [this] { Timer2_Timer(); })
{
    window_.setWindowTitle(QStringLiteral("Orvo"));
    window_.setAccessibleName(QStringLiteral("Orvo"));
    window_.onResize = [this] { Form_Resize(); };
    window_.onGotFocus = [this] { Form_GotFocus(); };
    window_.onLostFocus = [this] { Form_LostFocus(); };
    window_.onKeyDown = [this](std::int16_t code, std::int16_t shift) { Form_KeyDown(code, shift); };
    window_.onKeyUp = [this](std::int16_t code, std::int16_t shift) { Form_KeyUp(code, shift); };
    window_.surface().setBackColor(RGB(128, 128, 255));
    Timer1.setEnabled(true);
    Timer2.setEnabled(true);
}

bool Form1::Form_Load()
{
    Cipher_Key = Codes_To_Text(keyTable());
    if (!loadHighScore())
        return false;

    const platform::FileRead name = services_.folder.read(kNameFile);
    if (!name.ok)
        return loadFailed(kNameFile, name.problem);
    const Loaded<std::string> holder = readNameRecord(name.bytes);
    if (!holder.value)
        return loadFailed(kNameFile, holder.problem);
    High_Name = *holder.value;

    const platform::FileRead style = services_.folder.read(kStyleFile);
    if (!style.ok)
        return loadFailed(kStyleFile, style.problem);
    const Loaded<StyleSettings> settings = readStyleRecord(style.bytes);
    if (!settings.value)
        return loadFailed(kStyleFile, settings.problem);
    settings_.Fore_Color = settings.value->foreColor;
    settings_.Back_Color = settings.value->backColor;
    settings_.Style_Index = settings.value->styleIndex;

    platform::ImageSurface& surface = window_.surface();
    surface.ForeColor = settings_.Fore_Color;
    surface.setBackColor(settings_.Back_Color);
    return true;
}

bool Form1::loadHighScore()
{
    const platform::FileRead high = services_.folder.read(kHighFile);
    if (!high.ok)
        return loadFailed(kHighFile, high.problem);
    const Loaded<std::string> scrambled = readTextRecord(high.bytes);
    if (!scrambled.value)
        return loadFailed(kHighFile, scrambled.problem);
    // The scrambled text waits in High_Name until it is unscrambled.
    High_Name = *scrambled.value;
    const Loaded<std::int16_t> score = highScoreFromText(DirEncode(High_Name));
    if (!score.value)
        return loadFailed(kHighFile, score.problem);
    High_Score = *score.value;
    High_Name.clear();
    return true;
}

bool Form1::loadFailed(const char* fileName, const std::string& problem)
{
    // The whole path: a player who started the game from a menu may not know
    // which folder holds its files.
    services_.dialogs.reportProblem(loadFailureMessage(services_.folder.shownPath(fileName), problem));
    return false;
}

void Form1::show()
{
    window_.resize(kInitialClientWidth, kInitialClientHeight);
    window_.setIconAfterFirstPaint({QStringLiteral(":/icons/orvo-16.png"), QStringLiteral(":/icons/orvo-32.png"),
                                    QStringLiteral(":/icons/orvo-48.png"), QStringLiteral(":/icons/orvo-64.png")});
    window_.show();
}

void Form1::Form_Resize()
{
    window_.surface().Cls();
    Timer2.setEnabled(false);

    const int clientWidth = window_.width();
    const int clientHeight = window_.height();
    int width = mazeWidthFor(clientWidth);
    int height = mazeHeightFor(clientHeight);

    // Too small: the window is set back to the smallest size, width first,
    // and the resize that brings is handled on its own. The maze's size is
    // left as it is until then, so that a play tick in between never tests
    // the goal of a maze that is not there.
    if (width < kSmallestWidth) {
        window_.setClientWidth(kInitialClientWidth);
        return;
    }
    if (height < kSmallestHeight) {
        window_.setClientHeight(kInitialClientHeight);
        return;
    }

    boundMaze(width, height);
    Maze_Width = static_cast<std::int16_t>(width);
    Maze_Height = static_cast<std::int16_t>(height);
    Dig_Limit = static_cast<std::int16_t>(width * height);
    Make_Maze();
}

void Form1::Make_Maze()
{
    services_.random.reseed(services_.timeOfDay());
    Player_X = 1;
    Player_Y = 1;
    Time_Minutes = 0;
    Time_Seconds = 0;

    const DigOutcome dug = digMaze(Maze, Maze_Width, Maze_Height, Dig_Limit, services_.random, Goal_Y);
    Player_X = dug.startX;
    Player_Y = dug.startY;

    drawPicture();
    Timer2.setEnabled(true);
}

void Form1::Form_GotFocus()
{
    drawPicture();
    Timer2.setEnabled(true);
}

void Form1::Form_LostFocus()
{
    // A key let go while another window has the focus sends its release
    // there: without this the dot would run on to the wall.
    releaseKeys();
}

void Form1::releaseKeys()
{
    Key_Up = 0;
    Key_Left = 0;
    Key_Right = 0;
    Key_Down = 0;
}

void Form1::drawPicture()
{
    // Before the first maze there is nothing to draw.
    if (Maze_Width < kSmallestWidth || Maze_Height < kSmallestHeight)
        return;
    drawInStyle(window_.surface(), scene(), settings_.Style_Index);
    describeLines();
}

void Form1::describeLines()
{
    // The two text lines for assistive technology, as the picture shows them.
    window_.setDescription(highScoreLine(High_Score, High_Name) + "\n"
                           + clockLine(ClockReading {Time_Minutes, Time_Seconds}));
}

MazeScene Form1::scene() const
{
    return MazeScene {Maze,
                      Maze_Width,
                      Maze_Height,
                      Goal_Y,
                      ClockReading {Time_Minutes, Time_Seconds},
                      High_Score,
                      High_Name,
                      settings_.Fore_Color,
                      settings_.Back_Color};
}

void Form1::Form_KeyDown(std::int16_t KeyCode, std::int16_t)
{
    switch (KeyCode) {
    case platform::kKeyEscape: services_.endProgram(0); break;
    case platform::kKeyLeft: Key_Left = kHeld; break;
    case platform::kKeyUp: Key_Up = kHeld; break;
    case platform::kKeyRight: Key_Right = kHeld; break;
    case platform::kKeyDown: Key_Down = kHeld; break;
    case platform::kKeyI:
        Timer2.setEnabled(false);
        window_.surface().Cls();
        if (!form2_)
            form2_ = Form2::open(sideWindowServices());
        else
            form2_->show();
        break;
    case platform::kKeyN: Form_Resize(); break;
    default: break;
    }
}

void Form1::Form_KeyUp(std::int16_t KeyCode, std::int16_t)
{
    switch (KeyCode) {
    case platform::kKeyLeft: Key_Left = 0; break;
    case platform::kKeyUp: Key_Up = 0; break;
    case platform::kKeyRight: Key_Right = 0; break;
    case platform::kKeyDown: Key_Down = 0; break;
    default: break;
    }
}

void Form1::Timer1_Timer()
{
    if (finishing_)
        return;
    Prev_X = Player_X;
    Prev_Y = Player_Y;
    movePlayer(Maze, HeldKeys {Key_Up, Key_Left, Key_Right, Key_Down}, Player_X, Player_Y);

    drawPlayerStep(window_.surface(), settings_.Fore_Color, Prev_X, Prev_Y, Player_X, Player_Y);

    if (Player_X == Maze_Width - 1 && Player_Y == Goal_Y)
        finishGame();
}

void Form1::finishGame()
{
    finishing_ = true;
    const std::int16_t score = gameScore(Maze_Width, Maze_Height, Time_Minutes, Time_Seconds);
    //: %1 is the score with a space before it (or a minus sign), so the
    //: English text shows two spaces before the score.
    const char* congratulations = QT_TRANSLATE_NOOP("Form1", "Congratulations! You did it! Your Score: %1");
    services_.dialogs.MsgBox(withArguments(translated("Form1", congratulations), {signSpaceForm(score)}),
                             translated("Form1", QT_TRANSLATE_NOOP("Form1", "You did it!")));
    // Another game may have saved a higher score since this one started. A
    // game saving at this very moment is not waited for: the save below
    // looks again.
    {
        const platform::SaveLock lock(services_.folder, std::chrono::milliseconds::zero());
        if (lock.held())
            adoptSavedHighScore();
    }
    if (score > High_Score) {
        const std::string answer = services_.dialogs.InputBox(
            translated("Form1", QT_TRANSLATE_NOOP("Form1", "New High Score! Enter your Name!")),
            translated("Form1", QT_TRANSLATE_NOOP("Form1", "High Score!")), "");
        saveHighScore(score, answer.empty() ? kNobody : boundedName(storableText(answer)));
    }
    releaseKeys();
    finishing_ = false;
    Form_Resize();
}

void Form1::saveHighScore(std::int16_t score, const std::string& name)
{
    // The check and the two writes are one step under the lock: a score
    // another game saved while the name was asked for is seen, and no game
    // writes its score beside another one's name. Without the lock nothing
    // is written, and the score is kept for this run as after any failed
    // save.
    const platform::SaveLock lock(services_.folder, kLockPatience);
    if (!lock.held()) {
        High_Score = score;
        High_Name = name;
        services_.dialogs.reportProblem(saveFailureMessage(kHighFile, lock.problem()));
        return;
    }
    adoptSavedHighScore();
    if (score <= High_Score) {
        //: %1 is the high score another game saved (as high as this one or higher),
        //: %2 its holder.
        services_.dialogs.MsgBox(
            withArguments(translated("Form1", QT_TRANSLATE_NOOP("Form1", "Meanwhile another game saved a high "
                                                                         "score of %1 by %2. Yours does not beat "
                                                                         "it and is not saved.")),
                          {std::to_string(High_Score), shownName(High_Name)}),
            translated("Form1", QT_TRANSLATE_NOOP("Form1", "High Score!")));
        return;
    }
    High_Score = score;
    High_Name = name;
    storeHighScore();
}

void Form1::adoptSavedHighScore()
{
    const platform::FileRead high = services_.folder.read(kHighFile);
    const Loaded<std::string> scrambled = high.ok ? readTextRecord(high.bytes) : Loaded<std::string>::failed({});
    if (!scrambled.value)
        return;
    const std::optional<std::int16_t> saved = highScoreFromText(DirEncode(*scrambled.value)).value;
    if (!saved || *saved <= High_Score)
        return;
    const platform::FileRead name = services_.folder.read(kNameFile);
    const Loaded<std::string> holder = name.ok ? readNameRecord(name.bytes) : Loaded<std::string>::failed({});
    High_Score = *saved;
    High_Name = holder.value.value_or(kNobody);
}

void Form1::storeHighScore()
{
    // High.dat first, then Orvo.dat. Each is replaced whole or not at all;
    // when High.dat cannot be saved the name is not written either, so the
    // two files never disagree because of a failed write.
    const std::string scrambled = textRecord(DirEncode(scoreDigits(High_Score)));
    for (const auto& [file, record] : {std::pair {kHighFile, scrambled}, std::pair {kNameFile, nameRecord(High_Name)}}) {
        const platform::FileWrite written = services_.folder.write(file, record);
        if (!written.ok) {
            services_.dialogs.reportProblem(saveFailureMessage(file, written.problem));
            return;
        }
    }
}

void Form1::Timer2_Timer()
{
    const ClockReading shown {Time_Minutes, Time_Seconds};
    const ClockReading next = advanced(shown);
    Time_Minutes = next.minutes;
    Time_Seconds = next.seconds;

    drawClockTick(window_.surface(), Maze_Height, shown, next, settings_.Fore_Color, settings_.Back_Color);
    describeLines();
}

SideWindowServices Form1::sideWindowServices()
{
    return SideWindowServices {services_.dialogs, services_.folder, settings_, window_,
                               [this] { window_.surface().setBackColor(settings_.Back_Color); }};
}

std::string Form1::DirEncode(const std::string& sDir)
{
    return Xor_Text(sDir, Cipher_Key);
}

std::string Form1::Codes_To_Text(const std::vector<std::int16_t>& codes)
{
    return ::Codes_To_Text(codes);
}

std::string Form1::Xor_Text(const std::string& Text, std::string& Key)
{
    return ::Xor_Text(Text, Key);
}
