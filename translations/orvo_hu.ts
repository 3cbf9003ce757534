<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>Clock</name>
    <message>
        <source>Time: %1  N = New Game  Esc = End  I = Info</source>
        <extracomment>The line under the maze. %1 is the time, such as 03:07. N, Esc and I are the keys themselves and stay so.</extracomment>
        <translation>Idő: %1  N = Új játék  Esc = Kilépés  I = Info</translation>
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
        <translation>váratlan argumentum: „%1”.</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>a --data-dir után meg kell adni egy mappát.</translation>
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
        <translation>Használat: orvo [--data-dir MAPPA]
Vezesd a zöld pöttyöt egy véletlenszerű labirintuson át a kék pöttyig, versenyt
futva az idővel.

Kapcsolók:
  --data-dir MAPPA  az adatfájlok olvasása és írása a MAPPA mappában
  -h, --help        ennek a súgónak a kiírása, majd kilépés
  -v, --version     a verziószám kiírása, majd kilépés

A Qt szokásos kapcsolóit is elfogadja, például: -platform NÉV, -style NÉV,
-reverse és -session ID (ezt a munkamenet-kezelők használják).

--data-dir nélkül az adatfájlok a program mellett vannak, ha bármelyikük ott
van, egyébként pedig a $XDG_DATA_HOME/orvo (~/.local/share/orvo) mappában.
</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>ismeretlen kapcsoló: „%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>ismeretlen kapcsolók: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>hiányzó érték a kapcsoló után: „%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>váratlan érték a kapcsoló után: „%1”.</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>it is empty.</source>
        <translation>a fájl üres.</translation>
    </message>
    <message>
        <source>it has too few fields.</source>
        <translation>a fájlban túl kevés mező van.</translation>
    </message>
    <message>
        <source>a text field has no closing quote.</source>
        <translation>egy szövegmezőből hiányzik a záró idézőjel.</translation>
    </message>
    <message>
        <source>the high score is not a whole number from 0 to %1.</source>
        <translation>a rekord nem 0 és %1 közötti egész szám.</translation>
    </message>
    <message>
        <source>the fore colour is not a whole number from %1 to %2.</source>
        <translation>az utak színe nem %1 és %2 közötti egész szám.</translation>
    </message>
    <message>
        <source>the back colour is not a whole number from %1 to %2.</source>
        <translation>a falak színe nem %1 és %2 közötti egész szám.</translation>
    </message>
    <message>
        <source>the style is not a whole number from %1 to %2.</source>
        <translation>a stílus nem %1 és %2 közötti egész szám.</translation>
    </message>
    <message>
        <source>Orvo cannot start: %1: %2</source>
        <extracomment>%1 is the file with its folder, %2 what is wrong with it.</extracomment>
        <translation>Az Orvo nem tud elindulni: %1: %2</translation>
    </message>
    <message>
        <source>Orvo could not save %1 (%2). The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <extracomment>%1 is the file with its folder, %2 why it could not be saved.</extracomment>
        <translation>Az Orvo nem tudta menteni ezt a fájlt: %1 (%2). A fájl megtartja korábbi tartalmát; a játék a végéig az új értékekkel megy tovább.</translation>
    </message>
    <message>
        <source>Orvo could not save %1. The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <translation>Az Orvo nem tudta menteni ezt a fájlt: %1. A fájl megtartja korábbi tartalmát; a játék a végéig az új értékekkel megy tovább.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>a fájl nem olvasható (%1)</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>a fájl hiányzik</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>ez egy mappa, nem fájl</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>ez nem közönséges fájl</translation>
    </message>
    <message>
        <source>the folder for the game&apos;s files cannot be made</source>
        <translation>a játék fájljainak mappája nem hozható létre</translation>
    </message>
    <message>
        <source>its default is missing from the program</source>
        <translation>a fájl alapértelmezett tartalma hiányzik a programból</translation>
    </message>
    <message>
        <source>its default cannot be written (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>a fájl alapértelmezett tartalma nem írható ki (%1)</translation>
    </message>
    <message>
        <source>Orvo wrote the default %1 into %2.</source>
        <extracomment>%1 is the file, %2 the folder.</extracomment>
        <translation>Az Orvo létrehozta az alapértelmezett %1 fájlt ebben a mappában: %2.</translation>
    </message>
    <message>
        <source>&lt;No One&gt;</source>
        <translation>&lt;Senki&gt;</translation>
    </message>
    <message>
        <source>another game is saving and holds %1</source>
        <extracomment>%1 is the lock file with its folder.</extracomment>
        <translation>egy másik játék éppen ment, és zárolva tartja ezt a fájlt: %1</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>nem hozható létre ez a fájl: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations! You did it! Your Score: %1</source>
        <extracomment>%1 is the score with a space before it (or a minus sign), so the English text shows two spaces before the score.</extracomment>
        <translation>Gratulálunk! Sikerült! Pontszámod:%1</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>Sikerült!</translation>
    </message>
    <message>
        <source>New High Score! Enter your Name!</source>
        <translation>Új rekord! Írd be a neved!</translation>
    </message>
    <message>
        <source>High Score!</source>
        <translation>Rekord!</translation>
    </message>
    <message>
        <source>Meanwhile another game saved a high score of %1 by %2. Yours does not beat it and is not saved.</source>
        <extracomment>%1 is the high score another game saved (as high as this one or higher), %2 its holder.</extracomment>
        <translation>Időközben egy másik játék rekordot mentett: %1 – %2. A pontszámod nem múlja felül, ezért nem mentjük el.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Instructions:</source>
        <extracomment>The first line of the Info window, a heading.</extracomment>
        <translation>Útmutató:</translation>
    </message>
    <message>
        <source>You are the green dot. Get to the blue dot as fast as you can. Use the Arrow keys to navigate through the Maze. The longer you take, the less points you earn. The bigger the Maze(The Window) is, the more points you earn.</source>
        <translation>Te vagy a zöld pötty. Juss el minél gyorsabban a kék pöttyig. A labirintusban a nyílbillentyűkkel mozoghatsz. Minél tovább tart, annál kevesebb pontot kapsz. Minél nagyobb a labirintus (az ablak), annál több pontot kapsz.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Orvo, made by the Orvo project.</source>
        <translation>Orvo, készítette az Orvo-projekt.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciók</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Options</source>
        <translation>Opciók</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Stílus:</translation>
    </message>
    <message>
        <source>Style %1</source>
        <extracomment>A drawing style to choose; %1 is its number, 1 to 3.</extracomment>
        <translation>%1. mód</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <extracomment>The colour of the walls and the background.</extracomment>
        <translation>Falak színe:</translation>
    </message>
    <message>
        <source>Fore Color:</source>
        <extracomment>The colour of the passages and of the main window&apos;s text.</extracomment>
        <translation>Utak színe:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Walls: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the walls&apos; colour.</extracomment>
        <translation>Falak: vörös</translation>
    </message>
    <message>
        <source>Walls: green</source>
        <translation>Falak: zöld</translation>
    </message>
    <message>
        <source>Walls: blue</source>
        <translation>Falak: kék</translation>
    </message>
    <message>
        <source>Passages: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the passages&apos; colour.</extracomment>
        <translation>Utak: vörös</translation>
    </message>
    <message>
        <source>Passages: green</source>
        <translation>Utak: zöld</translation>
    </message>
    <message>
        <source>Passages: blue</source>
        <translation>Utak: kék</translation>
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
        <translation>Mégse</translation>
    </message>
</context>
</TS>
