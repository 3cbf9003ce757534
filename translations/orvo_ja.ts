<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Clock</name>
    <message>
        <source>Time: %1  N = New Game  Esc = End  I = Info</source>
        <extracomment>The line under the maze. %1 is the time, such as 03:07. N, Esc and I are the keys themselves and stay so.</extracomment>
        <translation>タイム：%1  N = 新しいゲーム  Esc = 終了  I = 情報</translation>
    </message>
    <message>
        <source>Highscore:%1 by %2</source>
        <extracomment>The line above the maze. %1 is the score with the space before it (or a minus sign), %2 the holder&apos;s name.</extracomment>
        <translation>ハイスコア%1  記録者：%2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>余分な引数「%1」があります。</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>--data-dir にはフォルダーを指定してください。</translation>
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
        <translation>使い方：orvo [--data-dir フォルダー]
緑の点を操作し、時間と競いながらランダムな迷路を抜けて青い点を目指します。

オプション：
  --data-dir フォルダー  フォルダー内のデータファイルを読み書きする
  -h, --help             このヘルプを表示して終了する
  -v, --version          バージョンを表示して終了する

-platform 名前、-style 名前、-reverse、-session ID（セッションマネージャーが
使用）など、Qt の標準オプションも使えます。

--data-dir を指定しない場合、データファイルは、そのいずれかがプログラムと
同じフォルダーにあればそこに、なければ $XDG_DATA_HOME/orvo
（~/.local/share/orvo）に置かれます。
</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>不明なオプション「%1」があります。</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>不明なオプションがあります：%1。</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>「%1」に値が指定されていません。</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>「%1」に余分な値が指定されています。</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>it is empty.</source>
        <translation>ファイルが空です。</translation>
    </message>
    <message>
        <source>it has too few fields.</source>
        <translation>ファイルのフィールドが足りません。</translation>
    </message>
    <message>
        <source>a text field has no closing quote.</source>
        <translation>テキストフィールドに閉じ引用符がありません。</translation>
    </message>
    <message>
        <source>the high score is not a whole number from 0 to %1.</source>
        <translation>ハイスコアが 0 から %1 までの整数ではありません。</translation>
    </message>
    <message>
        <source>the fore colour is not a whole number from %1 to %2.</source>
        <translation>通路の色が %1 から %2 までの整数ではありません。</translation>
    </message>
    <message>
        <source>the back colour is not a whole number from %1 to %2.</source>
        <translation>壁の色が %1 から %2 までの整数ではありません。</translation>
    </message>
    <message>
        <source>the style is not a whole number from %1 to %2.</source>
        <translation>描画タイプが %1 から %2 までの整数ではありません。</translation>
    </message>
    <message>
        <source>Orvo cannot start: %1: %2</source>
        <extracomment>%1 is the file with its folder, %2 what is wrong with it.</extracomment>
        <translation>Orvo を起動できません：%1：%2</translation>
    </message>
    <message>
        <source>Orvo could not save %1 (%2). The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <extracomment>%1 is the file with its folder, %2 why it could not be saved.</extracomment>
        <translation>Orvo は %1 を保存できませんでした（%2）。ファイルは以前の内容のままです。ゲームを終了するまでは新しい値が使われます。</translation>
    </message>
    <message>
        <source>Orvo could not save %1. The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <translation>Orvo は %1 を保存できませんでした。ファイルは以前の内容のままです。ゲームを終了するまでは新しい値が使われます。</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>ファイルを読み込めません（%1）。</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>ファイルがありません。</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>ファイルではなくフォルダーです。</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>通常のファイルではありません。</translation>
    </message>
    <message>
        <source>the folder for the game&apos;s files cannot be made</source>
        <translation>ゲームのファイルを置くフォルダーを作成できません。</translation>
    </message>
    <message>
        <source>its default is missing from the program</source>
        <translation>このファイルの既定の内容がプログラムにありません。</translation>
    </message>
    <message>
        <source>its default cannot be written (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>既定の内容を書き込めません（%1）。</translation>
    </message>
    <message>
        <source>Orvo wrote the default %1 into %2.</source>
        <extracomment>%1 is the file, %2 the folder.</extracomment>
        <translation>Orvo は既定の %1 を %2 に書き込みました。</translation>
    </message>
    <message>
        <source>&lt;No One&gt;</source>
        <translation>&lt;なし&gt;</translation>
    </message>
    <message>
        <source>another game is saving and holds %1</source>
        <extracomment>%1 is the lock file with its folder.</extracomment>
        <translation>同時に起動している別のゲームが保存中のため、%1 がロックされています</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>%1 を作成できません</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations! You did it! Your Score: %1</source>
        <extracomment>%1 is the score with a space before it (or a minus sign), so the English text shows two spaces before the score.</extracomment>
        <translation>おめでとうございます！クリアしました！スコアは%1 点です。</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>クリア！</translation>
    </message>
    <message>
        <source>New High Score! Enter your Name!</source>
        <translation>ハイスコア更新！名前を入力してください！</translation>
    </message>
    <message>
        <source>High Score!</source>
        <translation>ハイスコア！</translation>
    </message>
    <message>
        <source>Meanwhile another game saved a high score of %1 by %2. Yours does not beat it and is not saved.</source>
        <extracomment>%1 is the high score another game saved (as high as this one or higher), %2 its holder.</extracomment>
        <translation>その間に、同時に起動している別のゲームがハイスコア %1 点（記録者：%2）を保存しました。今回のスコアはこれを上回らないため、保存されません。</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Instructions:</source>
        <extracomment>The first line of the Info window, a heading.</extracomment>
        <translation>遊び方：</translation>
    </message>
    <message>
        <source>You are the green dot. Get to the blue dot as fast as you can. Use the Arrow keys to navigate through the Maze. The longer you take, the less points you earn. The bigger the Maze(The Window) is, the more points you earn.</source>
        <translation>あなたは緑の点です。できるだけ早く青い点までたどり着いてください。矢印キーで迷路の中を移動します。時間がかかるほどスコアは低く、迷路（ウィンドウ）が大きいほどスコアは高くなります。</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Orvo, made by the Orvo project.</source>
        <translation>Orvo は Orvo プロジェクトの作品です。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>タイプ：</translation>
    </message>
    <message>
        <source>Style %1</source>
        <extracomment>A drawing style to choose; %1 is its number, 1 to 3.</extracomment>
        <translation>タイプ%1</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <extracomment>The colour of the walls and the background.</extracomment>
        <translation>壁：</translation>
    </message>
    <message>
        <source>Fore Color:</source>
        <extracomment>The colour of the passages and of the main window&apos;s text.</extracomment>
        <translation>通路：</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Walls: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the walls&apos; colour.</extracomment>
        <translation>壁：赤</translation>
    </message>
    <message>
        <source>Walls: green</source>
        <translation>壁：緑</translation>
    </message>
    <message>
        <source>Walls: blue</source>
        <translation>壁：青</translation>
    </message>
    <message>
        <source>Passages: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the passages&apos; colour.</extracomment>
        <translation>通路：赤</translation>
    </message>
    <message>
        <source>Passages: green</source>
        <translation>通路：緑</translation>
    </message>
    <message>
        <source>Passages: blue</source>
        <translation>通路：青</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
</TS>
