<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>Clock</name>
    <message>
        <source>Time: %1  N = New Game  Esc = End  I = Info</source>
        <extracomment>The line under the maze. %1 is the time, such as 03:07. N, Esc and I are the keys themselves and stay so.</extracomment>
        <translation>Čas: %1  N = Nová hra  Esc = Konec  I = Info</translation>
    </message>
    <message>
        <source>Highscore:%1 by %2</source>
        <extracomment>The line above the maze. %1 is the score with the space before it (or a minus sign), %2 the holder&apos;s name.</extracomment>
        <translation>Rekord:%1 – %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>nečekaný argument „%1“.</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>--data-dir vyžaduje složku.</translation>
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
        <translation>Použití: orvo [--data-dir SLOŽKA]
Proveďte zelenou tečku náhodným bludištěm k modré tečce v závodě s časem.

Volby:
  --data-dir SLOŽKA  číst a zapisovat datové soubory ve složce SLOŽKA
  -h, --help         vypsat tuto nápovědu a skončit
  -v, --version      vypsat verzi a skončit

Přijímány jsou i standardní volby Qt, například -platform NÁZEV,
-style NÁZEV, -reverse a -session ID (kterou používají správci sezení).

Bez --data-dir jsou datové soubory uloženy vedle programu, pokud tam některý
z nich je, a jinak v $XDG_DATA_HOME/orvo (~/.local/share/orvo).
</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>neznámá volba „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>neznámé volby: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>chybí hodnota za volbou „%1“.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>nečekaná hodnota za volbou „%1“.</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>it is empty.</source>
        <translation>soubor je prázdný.</translation>
    </message>
    <message>
        <source>it has too few fields.</source>
        <translation>soubor má příliš málo polí.</translation>
    </message>
    <message>
        <source>a text field has no closing quote.</source>
        <translation>textovému poli chybí koncové uvozovky.</translation>
    </message>
    <message>
        <source>the high score is not a whole number from 0 to %1.</source>
        <translation>rekord není celé číslo od 0 do %1.</translation>
    </message>
    <message>
        <source>the fore colour is not a whole number from %1 to %2.</source>
        <translation>barva cest není celé číslo od %1 do %2.</translation>
    </message>
    <message>
        <source>the back colour is not a whole number from %1 to %2.</source>
        <translation>barva stěn není celé číslo od %1 do %2.</translation>
    </message>
    <message>
        <source>the style is not a whole number from %1 to %2.</source>
        <translation>styl není celé číslo od %1 do %2.</translation>
    </message>
    <message>
        <source>Orvo cannot start: %1: %2</source>
        <extracomment>%1 is the file with its folder, %2 what is wrong with it.</extracomment>
        <translation>Orvo nelze spustit: %1: %2</translation>
    </message>
    <message>
        <source>Orvo could not save %1 (%2). The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <extracomment>%1 is the file with its folder, %2 why it could not be saved.</extracomment>
        <translation>Soubor %1 nelze uložit (%2). Soubor si ponechá dosavadní obsah; hra až do svého konce pokračuje s novými hodnotami.</translation>
    </message>
    <message>
        <source>Orvo could not save %1. The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <translation>Soubor %1 nelze uložit. Soubor si ponechá dosavadní obsah; hra až do svého konce pokračuje s novými hodnotami.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>soubor nelze přečíst (%1)</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>soubor chybí</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>je to složka, ne soubor</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>není to obyčejný soubor</translation>
    </message>
    <message>
        <source>the folder for the game&apos;s files cannot be made</source>
        <translation>složku pro soubory hry nelze vytvořit</translation>
    </message>
    <message>
        <source>its default is missing from the program</source>
        <translation>výchozí obsah souboru v programu chybí</translation>
    </message>
    <message>
        <source>its default cannot be written (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>výchozí obsah souboru nelze zapsat (%1)</translation>
    </message>
    <message>
        <source>Orvo wrote the default %1 into %2.</source>
        <extracomment>%1 is the file, %2 the folder.</extracomment>
        <translation>Do složky %2 byl zapsán výchozí soubor %1.</translation>
    </message>
    <message>
        <source>&lt;No One&gt;</source>
        <translation>&lt;Nikdo&gt;</translation>
    </message>
    <message>
        <source>another game is saving and holds %1</source>
        <extracomment>%1 is the lock file with its folder.</extracomment>
        <translation>jiná hra právě ukládá a blokuje soubor %1</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>soubor %1 nelze vytvořit</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations! You did it! Your Score: %1</source>
        <extracomment>%1 is the score with a space before it (or a minus sign), so the English text shows two spaces before the score.</extracomment>
        <translation>Gratulujeme! Zvládli jste to! Vaše skóre:%1</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>Zvládli jste to!</translation>
    </message>
    <message>
        <source>New High Score! Enter your Name!</source>
        <translation>Nový rekord! Zadejte své jméno!</translation>
    </message>
    <message>
        <source>High Score!</source>
        <translation>Rekord!</translation>
    </message>
    <message>
        <source>Meanwhile another game saved a high score of %1 by %2. Yours does not beat it and is not saved.</source>
        <extracomment>%1 is the high score another game saved (as high as this one or higher), %2 its holder.</extracomment>
        <translation>Mezitím jiná hra uložila rekord: %1 – %2. Váš výsledek ho nepřekonává, a proto nebude uložen.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Instructions:</source>
        <extracomment>The first line of the Info window, a heading.</extracomment>
        <translation>Návod:</translation>
    </message>
    <message>
        <source>You are the green dot. Get to the blue dot as fast as you can. Use the Arrow keys to navigate through the Maze. The longer you take, the less points you earn. The bigger the Maze(The Window) is, the more points you earn.</source>
        <translation>Jste zelená tečka. Co nejrychleji se dostaňte k modré tečce. Bludištěm se pohybujete klávesami se šipkami. Čím déle vám to trvá, tím méně bodů získáte. Čím větší je bludiště (okno), tím více bodů získáte.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Orvo, made by the Orvo project.</source>
        <translation>Orvo, hra projektu Orvo.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Styl:</translation>
    </message>
    <message>
        <source>Style %1</source>
        <extracomment>A drawing style to choose; %1 is its number, 1 to 3.</extracomment>
        <translation>Styl %1</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <extracomment>The colour of the walls and the background.</extracomment>
        <translation>Barva stěn:</translation>
    </message>
    <message>
        <source>Fore Color:</source>
        <extracomment>The colour of the passages and of the main window&apos;s text.</extracomment>
        <translation>Barva cest:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Walls: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the walls&apos; colour.</extracomment>
        <translation>Stěny: červená</translation>
    </message>
    <message>
        <source>Walls: green</source>
        <translation>Stěny: zelená</translation>
    </message>
    <message>
        <source>Walls: blue</source>
        <translation>Stěny: modrá</translation>
    </message>
    <message>
        <source>Passages: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the passages&apos; colour.</extracomment>
        <translation>Cesty: červená</translation>
    </message>
    <message>
        <source>Passages: green</source>
        <translation>Cesty: zelená</translation>
    </message>
    <message>
        <source>Passages: blue</source>
        <translation>Cesty: modrá</translation>
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
        <translation>Zrušit</translation>
    </message>
</context>
</TS>
