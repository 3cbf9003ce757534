<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>Clock</name>
    <message>
        <source>Time: %1  N = New Game  Esc = End  I = Info</source>
        <extracomment>The line under the maze. %1 is the time, such as 03:07. N, Esc and I are the keys themselves and stay so.</extracomment>
        <translation>Tid: %1  N = Nytt spill  Esc = Slutt  I = Info</translation>
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
        <translation>uventet argument «%1».</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>--data-dir krever en mappe.</translation>
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
        <translation>Bruk: orvo [--data-dir MAPPE]
Styr den grønne prikken gjennom en tilfeldig labyrint til den blå prikken i
kappløp med tiden.

Valg:
  --data-dir MAPPE  les og skriv datafilene i MAPPE
  -h, --help        vis denne hjelpeteksten og avslutt
  -v, --version     vis versjonen og avslutt

Standardvalgene til Qt godtas også, for eksempel -platform NAVN, -style NAVN,
-reverse og -session ID (som brukes av øktbehandlere).

Uten --data-dir ligger datafilene ved siden av programmet hvis minst én av dem
finnes der, og ellers i $XDG_DATA_HOME/orvo (~/.local/share/orvo).
</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>ukjent valg «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>ukjente valg: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>manglende verdi etter «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>uventet verdi etter «%1».</translation>
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
        <translation>et tekstfelt mangler avsluttende anførselstegn.</translation>
    </message>
    <message>
        <source>the high score is not a whole number from 0 to %1.</source>
        <translation>rekorden er ikke et heltall fra 0 til %1.</translation>
    </message>
    <message>
        <source>the fore colour is not a whole number from %1 to %2.</source>
        <translation>fargen på gangene er ikke et heltall fra %1 til %2.</translation>
    </message>
    <message>
        <source>the back colour is not a whole number from %1 to %2.</source>
        <translation>fargen på veggene er ikke et heltall fra %1 til %2.</translation>
    </message>
    <message>
        <source>the style is not a whole number from %1 to %2.</source>
        <translation>stilen er ikke et heltall fra %1 til %2.</translation>
    </message>
    <message>
        <source>Orvo cannot start: %1: %2</source>
        <extracomment>%1 is the file with its folder, %2 what is wrong with it.</extracomment>
        <translation>Orvo kan ikke starte: %1: %2</translation>
    </message>
    <message>
        <source>Orvo could not save %1 (%2). The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <extracomment>%1 is the file with its folder, %2 why it could not be saved.</extracomment>
        <translation>Orvo kunne ikke lagre %1 (%2). Filen beholder det tidligere innholdet; spillet bruker de nye verdiene til du avslutter det.</translation>
    </message>
    <message>
        <source>Orvo could not save %1. The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <translation>Orvo kunne ikke lagre %1. Filen beholder det tidligere innholdet; spillet bruker de nye verdiene til du avslutter det.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>den kan ikke leses (%1)</translation>
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
        <translation>det er ikke en vanlig fil</translation>
    </message>
    <message>
        <source>the folder for the game&apos;s files cannot be made</source>
        <translation>mappen til spillets datafiler kan ikke opprettes</translation>
    </message>
    <message>
        <source>its default is missing from the program</source>
        <translation>standardinnholdet mangler i programmet</translation>
    </message>
    <message>
        <source>its default cannot be written (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>standardinnholdet kan ikke skrives (%1)</translation>
    </message>
    <message>
        <source>Orvo wrote the default %1 into %2.</source>
        <extracomment>%1 is the file, %2 the folder.</extracomment>
        <translation>Orvo opprettet standardfilen %1 i %2.</translation>
    </message>
    <message>
        <source>&lt;No One&gt;</source>
        <translation>&lt;Ingen&gt;</translation>
    </message>
    <message>
        <source>another game is saving and holds %1</source>
        <extracomment>%1 is the lock file with its folder.</extracomment>
        <translation>et annet spill lagrer akkurat nå og har låst %1</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>%1 kan ikke opprettes</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations! You did it! Your Score: %1</source>
        <extracomment>%1 is the score with a space before it (or a minus sign), so the English text shows two spaces before the score.</extracomment>
        <translation>Gratulerer! Du klarte det! Poengsummen din:%1</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>Du klarte det!</translation>
    </message>
    <message>
        <source>New High Score! Enter your Name!</source>
        <translation>Ny rekord! Skriv inn navnet ditt!</translation>
    </message>
    <message>
        <source>High Score!</source>
        <translation>Rekord!</translation>
    </message>
    <message>
        <source>Meanwhile another game saved a high score of %1 by %2. Yours does not beat it and is not saved.</source>
        <extracomment>%1 is the high score another game saved (as high as this one or higher), %2 its holder.</extracomment>
        <translation>I mellomtiden har et annet spill lagret en rekord på %1 av %2. Poengsummen din slår den ikke og blir ikke lagret.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Instructions:</source>
        <extracomment>The first line of the Info window, a heading.</extracomment>
        <translation>Slik spiller du:</translation>
    </message>
    <message>
        <source>You are the green dot. Get to the blue dot as fast as you can. Use the Arrow keys to navigate through the Maze. The longer you take, the less points you earn. The bigger the Maze(The Window) is, the more points you earn.</source>
        <translation>Du er den grønne prikken. Kom deg til den blå prikken så fort du kan. Styr gjennom labyrinten med piltastene. Jo lengre tid du bruker, desto færre poeng får du. Jo større labyrinten (vinduet) er, desto flere poeng får du.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Orvo, made by the Orvo project.</source>
        <translation>Orvo, laget av Orvo-prosjektet.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
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
        <translation>Vegg:</translation>
    </message>
    <message>
        <source>Fore Color:</source>
        <extracomment>The colour of the passages and of the main window&apos;s text.</extracomment>
        <translation>Gang:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Walls: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the walls&apos; colour.</extracomment>
        <translation>Vegg: rød</translation>
    </message>
    <message>
        <source>Walls: green</source>
        <translation>Vegg: grønn</translation>
    </message>
    <message>
        <source>Walls: blue</source>
        <translation>Vegg: blå</translation>
    </message>
    <message>
        <source>Passages: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the passages&apos; colour.</extracomment>
        <translation>Gang: rød</translation>
    </message>
    <message>
        <source>Passages: green</source>
        <translation>Gang: grønn</translation>
    </message>
    <message>
        <source>Passages: blue</source>
        <translation>Gang: blå</translation>
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
