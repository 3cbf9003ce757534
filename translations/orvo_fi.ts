<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
<context>
    <name>Clock</name>
    <message>
        <source>Time: %1  N = New Game  Esc = End  I = Info</source>
        <extracomment>The line under the maze. %1 is the time, such as 03:07. N, Esc and I are the keys themselves and stay so.</extracomment>
        <translation>Aika: %1  N = Uusi peli  Esc = Lopeta  I = Info</translation>
    </message>
    <message>
        <source>Highscore:%1 by %2</source>
        <extracomment>The line above the maze. %1 is the score with the space before it (or a minus sign), %2 the holder&apos;s name.</extracomment>
        <translation>Ennätys:%1 – %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>odottamaton argumentti ”%1”.</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>--data-dir vaatii kansion.</translation>
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
        <translation>Käyttö: orvo [--data-dir KANSIO]
Ohjaa vihreä piste aikaa vastaan satunnaisen sokkelon läpi siniselle
pisteelle.

Valitsimet:
  --data-dir KANSIO  lue ja kirjoita datatiedostot kansiossa KANSIO
  -h, --help         näytä tämä ohje ja lopeta
  -v, --version      näytä versio ja lopeta

Myös Qt:n vakiovalitsimet toimivat, kuten -platform NIMI, -style NIMI,
-reverse ja -session ID (jota istunnonhallinta käyttää).

Ilman valitsinta --data-dir datatiedostot ovat ohjelman kansiossa, jos
yksikin niistä on jo siellä, ja muuten kansiossa $XDG_DATA_HOME/orvo
(~/.local/share/orvo).
</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>tuntematon valitsin ”%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>tuntemattomat valitsimet: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>valitsimen ”%1” jälkeen puuttuu arvo.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>odottamaton arvo valitsimen ”%1” jälkeen.</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>it is empty.</source>
        <translation>tiedosto on tyhjä.</translation>
    </message>
    <message>
        <source>it has too few fields.</source>
        <translation>tiedostossa on liian vähän kenttiä.</translation>
    </message>
    <message>
        <source>a text field has no closing quote.</source>
        <translation>tekstikentästä puuttuu loppulainausmerkki.</translation>
    </message>
    <message>
        <source>the high score is not a whole number from 0 to %1.</source>
        <translation>ennätys ei ole kokonaisluku väliltä 0–%1.</translation>
    </message>
    <message>
        <source>the fore colour is not a whole number from %1 to %2.</source>
        <translation>polkujen väri ei ole kokonaisluku väliltä %1–%2.</translation>
    </message>
    <message>
        <source>the back colour is not a whole number from %1 to %2.</source>
        <translation>seinien väri ei ole kokonaisluku väliltä %1–%2.</translation>
    </message>
    <message>
        <source>the style is not a whole number from %1 to %2.</source>
        <translation>tyyli ei ole kokonaisluku väliltä %1–%2.</translation>
    </message>
    <message>
        <source>Orvo cannot start: %1: %2</source>
        <extracomment>%1 is the file with its folder, %2 what is wrong with it.</extracomment>
        <translation>Orvo ei voi käynnistyä: %1: %2</translation>
    </message>
    <message>
        <source>Orvo could not save %1 (%2). The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <extracomment>%1 is the file with its folder, %2 why it could not be saved.</extracomment>
        <translation>Orvo ei voinut tallentaa tiedostoa %1 (%2). Tiedoston aiempi sisältö säilyy; peli käyttää uusia arvoja, kunnes lopetat sen.</translation>
    </message>
    <message>
        <source>Orvo could not save %1. The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <translation>Orvo ei voinut tallentaa tiedostoa %1. Tiedoston aiempi sisältö säilyy; peli käyttää uusia arvoja, kunnes lopetat sen.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>tiedostoa ei voi lukea (%1)</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>tiedosto puuttuu</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>se on kansio eikä tiedosto</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>se ei ole tavallinen tiedosto</translation>
    </message>
    <message>
        <source>the folder for the game&apos;s files cannot be made</source>
        <translation>pelin datatiedostojen kansiota ei voi luoda</translation>
    </message>
    <message>
        <source>its default is missing from the program</source>
        <translation>tiedoston oletussisältö puuttuu ohjelmasta</translation>
    </message>
    <message>
        <source>its default cannot be written (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>tiedoston oletussisältöä ei voi kirjoittaa (%1)</translation>
    </message>
    <message>
        <source>Orvo wrote the default %1 into %2.</source>
        <extracomment>%1 is the file, %2 the folder.</extracomment>
        <translation>Orvo loi oletustiedoston %1 kansioon %2.</translation>
    </message>
    <message>
        <source>&lt;No One&gt;</source>
        <translation>&lt;Ei kukaan&gt;</translation>
    </message>
    <message>
        <source>another game is saving and holds %1</source>
        <extracomment>%1 is the lock file with its folder.</extracomment>
        <translation>toinen peli tallentaa parhaillaan ja pitää tiedoston %1 lukittuna</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>tiedostoa %1 ei voi luoda</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations! You did it! Your Score: %1</source>
        <extracomment>%1 is the score with a space before it (or a minus sign), so the English text shows two spaces before the score.</extracomment>
        <translation>Onneksi olkoon! Onnistuit! Pisteesi:%1</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>Onnistuit!</translation>
    </message>
    <message>
        <source>New High Score! Enter your Name!</source>
        <translation>Uusi ennätys! Kirjoita nimesi!</translation>
    </message>
    <message>
        <source>High Score!</source>
        <translation>Ennätys!</translation>
    </message>
    <message>
        <source>Meanwhile another game saved a high score of %1 by %2. Yours does not beat it and is not saved.</source>
        <extracomment>%1 is the high score another game saved (as high as this one or higher), %2 its holder.</extracomment>
        <translation>Sillä välin toinen peli tallensi ennätyksen: %1 – %2. Pisteesi eivät ylitä sitä, joten niitä ei tallenneta.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Instructions:</source>
        <extracomment>The first line of the Info window, a heading.</extracomment>
        <translation>Ohjeet:</translation>
    </message>
    <message>
        <source>You are the green dot. Get to the blue dot as fast as you can. Use the Arrow keys to navigate through the Maze. The longer you take, the less points you earn. The bigger the Maze(The Window) is, the more points you earn.</source>
        <translation>Olet vihreä piste. Pääse siniselle pisteelle niin nopeasti kuin voit. Liiku sokkelossa nuolinäppäimillä. Mitä kauemmin siihen menee, sitä vähemmän pisteitä saat. Mitä suurempi sokkelo (ikkuna) on, sitä enemmän pisteitä saat.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Orvo, made by the Orvo project.</source>
        <translation>Orvon on tehnyt Orvo-projekti.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Asetukset</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Options</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Tyyli:</translation>
    </message>
    <message>
        <source>Style %1</source>
        <extracomment>A drawing style to choose; %1 is its number, 1 to 3.</extracomment>
        <translation>Tyyli %1</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <extracomment>The colour of the walls and the background.</extracomment>
        <translation>Seinän väri:</translation>
    </message>
    <message>
        <source>Fore Color:</source>
        <extracomment>The colour of the passages and of the main window&apos;s text.</extracomment>
        <translation>Polun väri:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Walls: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the walls&apos; colour.</extracomment>
        <translation>Seinät: punainen</translation>
    </message>
    <message>
        <source>Walls: green</source>
        <translation>Seinät: vihreä</translation>
    </message>
    <message>
        <source>Walls: blue</source>
        <translation>Seinät: sininen</translation>
    </message>
    <message>
        <source>Passages: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the passages&apos; colour.</extracomment>
        <translation>Polut: punainen</translation>
    </message>
    <message>
        <source>Passages: green</source>
        <translation>Polut: vihreä</translation>
    </message>
    <message>
        <source>Passages: blue</source>
        <translation>Polut: sininen</translation>
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
        <translation>Peru</translation>
    </message>
</context>
</TS>
