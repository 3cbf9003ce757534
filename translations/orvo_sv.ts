<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>Clock</name>
    <message>
        <source>Time: %1  N = New Game  Esc = End  I = Info</source>
        <extracomment>The line under the maze. %1 is the time, such as 03:07. N, Esc and I are the keys themselves and stay so.</extracomment>
        <translation>Tid: %1  N = Nytt spel  Esc = Avsluta  I = Info</translation>
    </message>
    <message>
        <source>Highscore:%1 by %2</source>
        <extracomment>The line above the maze. %1 is the score with the space before it (or a minus sign), %2 the holder&apos;s name.</extracomment>
        <translation>Rekord:%1 av %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>oväntat argument ”%1”.</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>--data-dir kräver en mapp.</translation>
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
        <translation>Användning: orvo [--data-dir MAPP]
Styr den gröna pricken genom en slumpad labyrint till den blå pricken i kamp
mot klockan.

Flaggor:
  --data-dir MAPP  läs och skriv datafilerna i MAPP
  -h, --help       visa den här hjälpen och avsluta
  -v, --version    visa versionen och avsluta

Qt:s vanliga flaggor godtas också, till exempel -platform NAMN,
-style NAMN, -reverse och -session ID (som sessionshanterare använder).

Utan --data-dir ligger datafilerna bredvid programmet om någon av dem finns
där, och annars i $XDG_DATA_HOME/orvo (~/.local/share/orvo).
</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>okänd flagga ”%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>okända flaggor: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>värde saknas efter ”%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>oväntat värde efter ”%1”.</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>it is empty.</source>
        <translation>den är tom.</translation>
    </message>
    <message>
        <source>it has too few fields.</source>
        <translation>den har för få fält.</translation>
    </message>
    <message>
        <source>a text field has no closing quote.</source>
        <translation>ett textfält saknar avslutande citattecken.</translation>
    </message>
    <message>
        <source>the high score is not a whole number from 0 to %1.</source>
        <translation>rekordet är inte ett heltal från 0 till %1.</translation>
    </message>
    <message>
        <source>the fore colour is not a whole number from %1 to %2.</source>
        <translation>gångarnas färg är inte ett heltal från %1 till %2.</translation>
    </message>
    <message>
        <source>the back colour is not a whole number from %1 to %2.</source>
        <translation>väggarnas färg är inte ett heltal från %1 till %2.</translation>
    </message>
    <message>
        <source>the style is not a whole number from %1 to %2.</source>
        <translation>stilen är inte ett heltal från %1 till %2.</translation>
    </message>
    <message>
        <source>Orvo cannot start: %1: %2</source>
        <extracomment>%1 is the file with its folder, %2 what is wrong with it.</extracomment>
        <translation>Orvo kan inte starta: %1: %2</translation>
    </message>
    <message>
        <source>Orvo could not save %1 (%2). The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <extracomment>%1 is the file with its folder, %2 why it could not be saved.</extracomment>
        <translation>Orvo kunde inte spara %1 (%2). Filen behåller sitt tidigare innehåll; spelet använder de nya värdena tills du avslutar det.</translation>
    </message>
    <message>
        <source>Orvo could not save %1. The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <translation>Orvo kunde inte spara %1. Filen behåller sitt tidigare innehåll; spelet använder de nya värdena tills du avslutar det.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>den kan inte läsas (%1)</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>den saknas</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>det är en mapp, inte en fil</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>det är inte en vanlig fil</translation>
    </message>
    <message>
        <source>the folder for the game&apos;s files cannot be made</source>
        <translation>mappen för spelets datafiler kan inte skapas</translation>
    </message>
    <message>
        <source>its default is missing from the program</source>
        <translation>dess standardinnehåll saknas i programmet</translation>
    </message>
    <message>
        <source>its default cannot be written (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>dess standardinnehåll kan inte skrivas (%1)</translation>
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
        <translation>ett annat spel håller på att spara och har låst %1</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>%1 kan inte skapas</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations! You did it! Your Score: %1</source>
        <extracomment>%1 is the score with a space before it (or a minus sign), so the English text shows two spaces before the score.</extracomment>
        <translation>Grattis! Du klarade det! Dina poäng:%1</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>Du klarade det!</translation>
    </message>
    <message>
        <source>New High Score! Enter your Name!</source>
        <translation>Nytt rekord! Skriv ditt namn!</translation>
    </message>
    <message>
        <source>High Score!</source>
        <translation>Rekord!</translation>
    </message>
    <message>
        <source>Meanwhile another game saved a high score of %1 by %2. Yours does not beat it and is not saved.</source>
        <extracomment>%1 is the high score another game saved (as high as this one or higher), %2 its holder.</extracomment>
        <translation>Under tiden har ett annat spel sparat ett rekord på %1 av %2. Dina poäng slår det inte och sparas därför inte.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Instructions:</source>
        <extracomment>The first line of the Info window, a heading.</extracomment>
        <translation>Instruktioner:</translation>
    </message>
    <message>
        <source>You are the green dot. Get to the blue dot as fast as you can. Use the Arrow keys to navigate through the Maze. The longer you take, the less points you earn. The bigger the Maze(The Window) is, the more points you earn.</source>
        <translation>Du är den gröna pricken. Ta dig till den blå pricken så fort du kan. Styr genom labyrinten med piltangenterna. Ju längre tid det tar, desto färre poäng får du. Ju större labyrinten (fönstret) är, desto fler poäng får du.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Orvo, made by the Orvo project.</source>
        <translation>Orvo, skapat av Orvo-projektet.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Utseende</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Options</source>
        <translation>Utseende</translation>
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
        <translation>Vägg:</translation>
    </message>
    <message>
        <source>Fore Color:</source>
        <extracomment>The colour of the passages and of the main window&apos;s text.</extracomment>
        <translation>Gång:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Walls: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the walls&apos; colour.</extracomment>
        <translation>Vägg: röd</translation>
    </message>
    <message>
        <source>Walls: green</source>
        <translation>Vägg: grön</translation>
    </message>
    <message>
        <source>Walls: blue</source>
        <translation>Vägg: blå</translation>
    </message>
    <message>
        <source>Passages: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the passages&apos; colour.</extracomment>
        <translation>Gång: röd</translation>
    </message>
    <message>
        <source>Passages: green</source>
        <translation>Gång: grön</translation>
    </message>
    <message>
        <source>Passages: blue</source>
        <translation>Gång: blå</translation>
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
        <translation>Avbryt</translation>
    </message>
</context>
</TS>
