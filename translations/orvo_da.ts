<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
<context>
    <name>Clock</name>
    <message>
        <source>Time: %1  N = New Game  Esc = End  I = Info</source>
        <extracomment>The line under the maze. %1 is the time, such as 03:07. N, Esc and I are the keys themselves and stay so.</extracomment>
        <translation>Tid: %1  N = Nyt spil  Esc = Afslut  I = Info</translation>
    </message>
    <message>
        <source>Highscore:%1 by %2</source>
        <extracomment>The line above the maze. %1 is the score with the space before it (or a minus sign), %2 the holder&apos;s name.</extracomment>
        <translation>Rekord:%1 af %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>uventet argument »%1«.</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>--data-dir kræver en mappe.</translation>
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
        <translation>Brug: orvo [--data-dir MAPPE]
Styr den grønne prik gennem en tilfældig labyrint hen til den blå prik i
kapløb med tiden.

Tilvalg:
  --data-dir MAPPE  læs og skriv datafilerne i MAPPE
  -h, --help        vis denne hjælp og afslut
  -v, --version     vis versionen og afslut

Qt&apos;s almindelige tilvalg accepteres også, for eksempel -platform NAVN,
-style NAVN, -reverse og -session ID (som sessionshåndteringer bruger).

Uden --data-dir ligger datafilerne ved siden af programmet, hvis en af dem
findes der, og ellers i $XDG_DATA_HOME/orvo (~/.local/share/orvo).
</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>ukendt tilvalg »%1«.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>ukendte tilvalg: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>manglende værdi efter »%1«.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>uventet værdi efter »%1«.</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>it is empty.</source>
        <translation>den er tom.</translation>
    </message>
    <message>
        <source>it has too few fields.</source>
        <translation>den har for få felter.</translation>
    </message>
    <message>
        <source>a text field has no closing quote.</source>
        <translation>et tekstfelt mangler det afsluttende anførselstegn.</translation>
    </message>
    <message>
        <source>the high score is not a whole number from 0 to %1.</source>
        <translation>rekorden er ikke et helt tal fra 0 til %1.</translation>
    </message>
    <message>
        <source>the fore colour is not a whole number from %1 to %2.</source>
        <translation>gangenes farve er ikke et helt tal fra %1 til %2.</translation>
    </message>
    <message>
        <source>the back colour is not a whole number from %1 to %2.</source>
        <translation>væggenes farve er ikke et helt tal fra %1 til %2.</translation>
    </message>
    <message>
        <source>the style is not a whole number from %1 to %2.</source>
        <translation>stilen er ikke et helt tal fra %1 til %2.</translation>
    </message>
    <message>
        <source>Orvo cannot start: %1: %2</source>
        <extracomment>%1 is the file with its folder, %2 what is wrong with it.</extracomment>
        <translation>Orvo kan ikke starte: %1: %2</translation>
    </message>
    <message>
        <source>Orvo could not save %1 (%2). The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <extracomment>%1 is the file with its folder, %2 why it could not be saved.</extracomment>
        <translation>Orvo kunne ikke gemme %1 (%2). Filen beholder sit hidtidige indhold; spillet bruger de nye værdier, indtil du afslutter det.</translation>
    </message>
    <message>
        <source>Orvo could not save %1. The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <translation>Orvo kunne ikke gemme %1. Filen beholder sit hidtidige indhold; spillet bruger de nye værdier, indtil du afslutter det.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>den kan ikke læses (%1)</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>den mangler</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>det er en mappe, ikke en fil</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>det er ikke en almindelig fil</translation>
    </message>
    <message>
        <source>the folder for the game&apos;s files cannot be made</source>
        <translation>mappen til spillets datafiler kan ikke oprettes</translation>
    </message>
    <message>
        <source>its default is missing from the program</source>
        <translation>dens standardindhold mangler i programmet</translation>
    </message>
    <message>
        <source>its default cannot be written (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>dens standardindhold kan ikke skrives (%1)</translation>
    </message>
    <message>
        <source>Orvo wrote the default %1 into %2.</source>
        <extracomment>%1 is the file, %2 the folder.</extracomment>
        <translation>Orvo skrev standardfilen %1 i %2.</translation>
    </message>
    <message>
        <source>&lt;No One&gt;</source>
        <translation>&lt;Ingen&gt;</translation>
    </message>
    <message>
        <source>another game is saving and holds %1</source>
        <extracomment>%1 is the lock file with its folder.</extracomment>
        <translation>et andet spil er ved at gemme og har låst %1</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>%1 kan ikke oprettes</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations! You did it! Your Score: %1</source>
        <extracomment>%1 is the score with a space before it (or a minus sign), so the English text shows two spaces before the score.</extracomment>
        <translation>Tillykke! Du klarede det! Din score:%1</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>Du klarede det!</translation>
    </message>
    <message>
        <source>New High Score! Enter your Name!</source>
        <translation>Ny rekord! Skriv dit navn!</translation>
    </message>
    <message>
        <source>High Score!</source>
        <translation>Rekord!</translation>
    </message>
    <message>
        <source>Meanwhile another game saved a high score of %1 by %2. Yours does not beat it and is not saved.</source>
        <extracomment>%1 is the high score another game saved (as high as this one or higher), %2 its holder.</extracomment>
        <translation>I mellemtiden har et andet spil gemt en rekord på %1 af %2. Din score slår den ikke og bliver ikke gemt.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Instructions:</source>
        <extracomment>The first line of the Info window, a heading.</extracomment>
        <translation>Vejledning:</translation>
    </message>
    <message>
        <source>You are the green dot. Get to the blue dot as fast as you can. Use the Arrow keys to navigate through the Maze. The longer you take, the less points you earn. The bigger the Maze(The Window) is, the more points you earn.</source>
        <translation>Du er den grønne prik. Kom hen til den blå prik så hurtigt som muligt. Styr gennem labyrinten med piletasterne. Jo længere tid du bruger, jo færre point får du. Jo større labyrinten (vinduet) er, jo flere point får du.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Orvo, made by the Orvo project.</source>
        <translation>Orvo, lavet af Orvo-projektet.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Udseende</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Options</source>
        <translation>Udseende</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Stil:</translation>
    </message>
    <message>
        <source>Style %1</source>
        <extracomment>A drawing style to choose; %1 is its number, 1 to 3.</extracomment>
        <translation>Stil %1</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <extracomment>The colour of the walls and the background.</extracomment>
        <translation>Vægge:</translation>
    </message>
    <message>
        <source>Fore Color:</source>
        <extracomment>The colour of the passages and of the main window&apos;s text.</extracomment>
        <translation>Gange:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Walls: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the walls&apos; colour.</extracomment>
        <translation>Vægge: rød</translation>
    </message>
    <message>
        <source>Walls: green</source>
        <translation>Vægge: grøn</translation>
    </message>
    <message>
        <source>Walls: blue</source>
        <translation>Vægge: blå</translation>
    </message>
    <message>
        <source>Passages: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the passages&apos; colour.</extracomment>
        <translation>Gange: rød</translation>
    </message>
    <message>
        <source>Passages: green</source>
        <translation>Gange: grøn</translation>
    </message>
    <message>
        <source>Passages: blue</source>
        <translation>Gange: blå</translation>
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
        <translation>Annuller</translation>
    </message>
</context>
</TS>
