<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>Clock</name>
    <message>
        <source>Time: %1  N = New Game  Esc = End  I = Info</source>
        <extracomment>The line under the maze. %1 is the time, such as 03:07. N, Esc and I are the keys themselves and stay so.</extracomment>
        <translation>시간: %1  N = 새 게임  Esc = 끝내기  I = 정보</translation>
    </message>
    <message>
        <source>Highscore:%1 by %2</source>
        <extracomment>The line above the maze. %1 is the score with the space before it (or a minus sign), %2 the holder&apos;s name.</extracomment>
        <translation>최고 점수:%1  기록 보유자: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>불필요한 인수입니다: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>--data-dir 옵션에는 폴더가 필요합니다.</translation>
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
        <translation>사용법: orvo [--data-dir 폴더]
초록 점을 조종해 시간과 경주하며 무작위 미로를 지나 파란 점까지 가세요.

옵션:
  --data-dir 폴더    폴더에 있는 데이터 파일을 읽고 씁니다
  -h, --help         이 도움말을 표시하고 끝냅니다
  -v, --version      버전을 표시하고 끝냅니다

-platform 이름, -style 이름, -reverse, -session ID(세션 관리자가 사용) 같은
Qt 표준 옵션도 받아들입니다.

--data-dir 옵션이 없으면, 데이터 파일 중 하나라도 프로그램 옆에 있을 때는
데이터 파일을 프로그램 옆에 두고, 그렇지 않으면 $XDG_DATA_HOME/orvo
(~/.local/share/orvo)에 둡니다.
</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>알 수 없는 옵션입니다: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>알 수 없는 옵션입니다: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; 뒤에 값이 없습니다.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; 뒤에 불필요한 값이 있습니다.</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>it is empty.</source>
        <translation>파일이 비어 있습니다.</translation>
    </message>
    <message>
        <source>it has too few fields.</source>
        <translation>파일의 필드 수가 너무 적습니다.</translation>
    </message>
    <message>
        <source>a text field has no closing quote.</source>
        <translation>텍스트 필드에 닫는 따옴표가 없습니다.</translation>
    </message>
    <message>
        <source>the high score is not a whole number from 0 to %1.</source>
        <translation>최고 점수가 0에서 %1 사이의 정수가 아닙니다.</translation>
    </message>
    <message>
        <source>the fore colour is not a whole number from %1 to %2.</source>
        <translation>통로 색이 %1에서 %2 사이의 정수가 아닙니다.</translation>
    </message>
    <message>
        <source>the back colour is not a whole number from %1 to %2.</source>
        <translation>벽 색이 %1에서 %2 사이의 정수가 아닙니다.</translation>
    </message>
    <message>
        <source>the style is not a whole number from %1 to %2.</source>
        <translation>스타일이 %1에서 %2 사이의 정수가 아닙니다.</translation>
    </message>
    <message>
        <source>Orvo cannot start: %1: %2</source>
        <extracomment>%1 is the file with its folder, %2 what is wrong with it.</extracomment>
        <translation>Orvo를 시작할 수 없습니다: %1: %2</translation>
    </message>
    <message>
        <source>Orvo could not save %1 (%2). The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <extracomment>%1 is the file with its folder, %2 why it could not be saved.</extracomment>
        <translation>Orvo가 %1 파일을 저장하지 못했습니다(%2). 파일은 이전 내용을 그대로 유지하며, 게임은 끝날 때까지 새 값으로 계속됩니다.</translation>
    </message>
    <message>
        <source>Orvo could not save %1. The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <translation>Orvo가 %1 파일을 저장하지 못했습니다. 파일은 이전 내용을 그대로 유지하며, 게임은 끝날 때까지 새 값으로 계속됩니다.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>파일을 읽을 수 없습니다(%1).</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>파일이 없습니다.</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>파일이 아니라 폴더입니다.</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>일반 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>the folder for the game&apos;s files cannot be made</source>
        <translation>게임 파일을 둘 폴더를 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>its default is missing from the program</source>
        <translation>프로그램에 이 파일의 기본 내용이 없습니다.</translation>
    </message>
    <message>
        <source>its default cannot be written (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>기본 내용을 쓸 수 없습니다(%1).</translation>
    </message>
    <message>
        <source>Orvo wrote the default %1 into %2.</source>
        <extracomment>%1 is the file, %2 the folder.</extracomment>
        <translation>Orvo가 기본 %1 파일을 %2 폴더에 만들었습니다.</translation>
    </message>
    <message>
        <source>&lt;No One&gt;</source>
        <translation>&lt;없음&gt;</translation>
    </message>
    <message>
        <source>another game is saving and holds %1</source>
        <extracomment>%1 is the lock file with its folder.</extracomment>
        <translation>동시에 실행 중인 다른 게임이 저장하는 중이라 %1 파일이 잠겨 있습니다</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>%1 파일을 만들 수 없습니다</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations! You did it! Your Score: %1</source>
        <extracomment>%1 is the score with a space before it (or a minus sign), so the English text shows two spaces before the score.</extracomment>
        <translation>축하합니다! 해냈습니다! 점수:%1</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>해냈습니다!</translation>
    </message>
    <message>
        <source>New High Score! Enter your Name!</source>
        <translation>최고 점수 경신! 이름을 입력하세요!</translation>
    </message>
    <message>
        <source>High Score!</source>
        <translation>최고 점수!</translation>
    </message>
    <message>
        <source>Meanwhile another game saved a high score of %1 by %2. Yours does not beat it and is not saved.</source>
        <extracomment>%1 is the high score another game saved (as high as this one or higher), %2 its holder.</extracomment>
        <translation>그사이에 동시에 실행 중인 다른 게임이 최고 점수 %1점(기록 보유자: %2)을 저장했습니다. 이번 점수는 이를 넘지 못하므로 저장되지 않습니다.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Instructions:</source>
        <extracomment>The first line of the Info window, a heading.</extracomment>
        <translation>게임 방법:</translation>
    </message>
    <message>
        <source>You are the green dot. Get to the blue dot as fast as you can. Use the Arrow keys to navigate through the Maze. The longer you take, the less points you earn. The bigger the Maze(The Window) is, the more points you earn.</source>
        <translation>플레이어는 초록 점입니다. 가능한 한 빨리 파란 점에 도착하세요. 방향키로 미로 속을 움직입니다. 시간이 오래 걸릴수록 점수가 낮아지고, 미로(창)가 클수록 높아집니다.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Orvo, made by the Orvo project.</source>
        <translation>Orvo는 Orvo 프로젝트가 만들었습니다.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>스타일:</translation>
    </message>
    <message>
        <source>Style %1</source>
        <extracomment>A drawing style to choose; %1 is its number, 1 to 3.</extracomment>
        <translation>스타일 %1</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <extracomment>The colour of the walls and the background.</extracomment>
        <translation>벽:</translation>
    </message>
    <message>
        <source>Fore Color:</source>
        <extracomment>The colour of the passages and of the main window&apos;s text.</extracomment>
        <translation>통로:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Walls: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the walls&apos; colour.</extracomment>
        <translation>벽: 빨강</translation>
    </message>
    <message>
        <source>Walls: green</source>
        <translation>벽: 초록</translation>
    </message>
    <message>
        <source>Walls: blue</source>
        <translation>벽: 파랑</translation>
    </message>
    <message>
        <source>Passages: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the passages&apos; colour.</extracomment>
        <translation>통로: 빨강</translation>
    </message>
    <message>
        <source>Passages: green</source>
        <translation>통로: 초록</translation>
    </message>
    <message>
        <source>Passages: blue</source>
        <translation>통로: 파랑</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
</TS>
