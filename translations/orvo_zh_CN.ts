<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Clock</name>
    <message>
        <source>Time: %1  N = New Game  Esc = End  I = Info</source>
        <extracomment>The line under the maze. %1 is the time, such as 03:07. N, Esc and I are the keys themselves and stay so.</extracomment>
        <translation>时间：%1  N = 新游戏  Esc = 退出  I = 信息</translation>
    </message>
    <message>
        <source>Highscore:%1 by %2</source>
        <extracomment>The line above the maze. %1 is the score with the space before it (or a minus sign), %2 the holder&apos;s name.</extracomment>
        <translation>最高分%1  纪录保持者：%2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>多余的参数“%1”。</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>--data-dir 需要指定一个文件夹。</translation>
    </message>
    <message>
        <source>Usage: orvo [--data-dir FOLDER]
Steer the green dot through a random maze to the blue dot against the clock.

Options:
  --data-dir FOLDER  read and write the data files in FOLDER
  -h, --help         print this help and exit
  -v, --version      print the version and exit

Qt&apos;s standard options are accepted too, such as -platform NAME, -style NAME,
-reverse and -session ID (which session managers use).

Without --data-dir the data files are kept beside the program when any of
them is there, and otherwise in $XDG_DATA_HOME/orvo (~/.local/share/orvo).
</source>
        <translation>用法：orvo [--data-dir 文件夹]
控制绿点，与时间赛跑，穿过随机迷宫到达蓝点。

选项：
  --data-dir 文件夹  在该文件夹中读写数据文件
  -h, --help         显示此帮助并退出
  -v, --version      显示版本并退出

也接受 Qt 的标准选项，例如 -platform 名称、-style 名称、-reverse 和
-session ID（供会话管理器使用）。

未指定 --data-dir 时，如果程序所在的文件夹中有任一数据文件，数据文件就放在
程序旁边，否则放在 $XDG_DATA_HOME/orvo（~/.local/share/orvo）。
</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>未知选项“%1”。</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>未知选项：%1。</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1”后缺少值。</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1”后有多余的值。</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>it is empty.</source>
        <translation>文件为空。</translation>
    </message>
    <message>
        <source>it has too few fields.</source>
        <translation>文件的字段太少。</translation>
    </message>
    <message>
        <source>a text field has no closing quote.</source>
        <translation>有一个文本字段缺少右引号。</translation>
    </message>
    <message>
        <source>the high score is not a whole number from 0 to %1.</source>
        <translation>最高分不是 0 到 %1 之间的整数。</translation>
    </message>
    <message>
        <source>the fore colour is not a whole number from %1 to %2.</source>
        <translation>通道颜色不是 %1 到 %2 之间的整数。</translation>
    </message>
    <message>
        <source>the back colour is not a whole number from %1 to %2.</source>
        <translation>墙壁颜色不是 %1 到 %2 之间的整数。</translation>
    </message>
    <message>
        <source>the style is not a whole number from %1 to %2.</source>
        <translation>样式不是 %1 到 %2 之间的整数。</translation>
    </message>
    <message>
        <source>Orvo cannot start: %1: %2</source>
        <extracomment>%1 is the file with its folder, %2 what is wrong with it.</extracomment>
        <translation>Orvo 无法启动：%1：%2</translation>
    </message>
    <message>
        <source>Orvo could not save %1 (%2). The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <extracomment>%1 is the file with its folder, %2 why it could not be saved.</extracomment>
        <translation>Orvo 无法保存 %1（%2）。该文件保留原来的内容；退出之前，游戏会继续使用新的值。</translation>
    </message>
    <message>
        <source>Orvo could not save %1. The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <translation>Orvo 无法保存 %1。该文件保留原来的内容；退出之前，游戏会继续使用新的值。</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>无法读取文件（%1）。</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>文件不存在。</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>这是一个文件夹，不是文件。</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>这不是普通文件。</translation>
    </message>
    <message>
        <source>the folder for the game&apos;s files cannot be made</source>
        <translation>无法创建存放游戏文件的文件夹。</translation>
    </message>
    <message>
        <source>its default is missing from the program</source>
        <translation>程序中缺少该文件的默认内容。</translation>
    </message>
    <message>
        <source>its default cannot be written (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>无法写入该文件的默认内容（%1）。</translation>
    </message>
    <message>
        <source>Orvo wrote the default %1 into %2.</source>
        <extracomment>%1 is the file, %2 the folder.</extracomment>
        <translation>Orvo 已将默认的 %1 写入 %2。</translation>
    </message>
    <message>
        <source>&lt;No One&gt;</source>
        <translation>&lt;无人&gt;</translation>
    </message>
    <message>
        <source>another game is saving and holds %1</source>
        <extracomment>%1 is the lock file with its folder.</extracomment>
        <translation>同时运行的另一局游戏正在保存，并锁定了 %1</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>无法创建 %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations! You did it! Your Score: %1</source>
        <extracomment>%1 is the score with a space before it (or a minus sign), so the English text shows two spaces before the score.</extracomment>
        <translation>恭喜！你成功了！你的得分为%1。</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>你成功了！</translation>
    </message>
    <message>
        <source>New High Score! Enter your Name!</source>
        <translation>新的最高分！请输入你的名字！</translation>
    </message>
    <message>
        <source>High Score!</source>
        <translation>最高分！</translation>
    </message>
    <message>
        <source>Meanwhile another game saved a high score of %1 by %2. Yours does not beat it and is not saved.</source>
        <extracomment>%1 is the high score another game saved (as high as this one or higher), %2 its holder.</extracomment>
        <translation>在此期间，同时运行的另一局游戏保存了最高分 %1（纪录保持者：%2）。你的得分没有超过该纪录，因此不会被保存。</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Instructions:</source>
        <extracomment>The first line of the Info window, a heading.</extracomment>
        <translation>玩法说明：</translation>
    </message>
    <message>
        <source>You are the green dot. Get to the blue dot as fast as you can. Use the Arrow keys to navigate through the Maze. The longer you take, the less points you earn. The bigger the Maze(The Window) is, the more points you earn.</source>
        <translation>你就是绿点。请尽快到达蓝点。用方向键在迷宫中移动。用时越长，得分越少；迷宫（也就是窗口）越大，得分越多。</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Orvo, made by the Orvo project.</source>
        <translation>Orvo，由 Orvo 项目制作。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>样式：</translation>
    </message>
    <message>
        <source>Style %1</source>
        <extracomment>A drawing style to choose; %1 is its number, 1 to 3.</extracomment>
        <translation>样式 %1</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <extracomment>The colour of the walls and the background.</extracomment>
        <translation>墙壁：</translation>
    </message>
    <message>
        <source>Fore Color:</source>
        <extracomment>The colour of the passages and of the main window&apos;s text.</extracomment>
        <translation>通道：</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Walls: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the walls&apos; colour.</extracomment>
        <translation>墙壁：红色</translation>
    </message>
    <message>
        <source>Walls: green</source>
        <translation>墙壁：绿色</translation>
    </message>
    <message>
        <source>Walls: blue</source>
        <translation>墙壁：蓝色</translation>
    </message>
    <message>
        <source>Passages: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the passages&apos; colour.</extracomment>
        <translation>通道：红色</translation>
    </message>
    <message>
        <source>Passages: green</source>
        <translation>通道：绿色</translation>
    </message>
    <message>
        <source>Passages: blue</source>
        <translation>通道：蓝色</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
