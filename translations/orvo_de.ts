<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Clock</name>
    <message>
        <source>Time: %1  N = New Game  Esc = End  I = Info</source>
        <extracomment>The line under the maze. %1 is the time, such as 03:07. N, Esc and I are the keys themselves and stay so.</extracomment>
        <translation>Zeit: %1  N = Neues Spiel  Esc = Ende  I = Info</translation>
    </message>
    <message>
        <source>Highscore:%1 by %2</source>
        <extracomment>The line above the maze. %1 is the score with the space before it (or a minus sign), %2 the holder&apos;s name.</extracomment>
        <translation>Highscore:%1 von %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>--data-dir erwartet einen Ordner.</translation>
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
        <translation>Aufruf: orvo [--data-dir ORDNER]
Lenke den grünen Punkt gegen die Uhr durch ein zufälliges Labyrinth zum
blauen Punkt.

Optionen:
  --data-dir ORDNER  die Spieldateien in ORDNER lesen und schreiben
  -h, --help         diese Hilfe anzeigen und beenden
  -v, --version      die Version anzeigen und beenden

Auch die Standardoptionen von Qt werden akzeptiert, etwa -platform NAME,
-style NAME, -reverse und -session ID (für die Sitzungsverwaltung).

Ohne --data-dir liegen die Spieldateien neben dem Programm, falls sich dort
schon eine davon befindet, sonst in $XDG_DATA_HOME/orvo (~/.local/share/orvo).
</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>fehlender Wert nach „%1“.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>unerwarteter Wert nach „%1“.</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>it is empty.</source>
        <translation>die Datei ist leer.</translation>
    </message>
    <message>
        <source>it has too few fields.</source>
        <translation>die Datei hat zu wenige Felder.</translation>
    </message>
    <message>
        <source>a text field has no closing quote.</source>
        <translation>einem Textfeld fehlt das schließende Anführungszeichen.</translation>
    </message>
    <message>
        <source>the high score is not a whole number from 0 to %1.</source>
        <translation>der Highscore ist keine ganze Zahl von 0 bis %1.</translation>
    </message>
    <message>
        <source>the fore colour is not a whole number from %1 to %2.</source>
        <translation>die Farbe der Wege ist keine ganze Zahl von %1 bis %2.</translation>
    </message>
    <message>
        <source>the back colour is not a whole number from %1 to %2.</source>
        <translation>die Farbe der Wände ist keine ganze Zahl von %1 bis %2.</translation>
    </message>
    <message>
        <source>the style is not a whole number from %1 to %2.</source>
        <translation>der Stil ist keine ganze Zahl von %1 bis %2.</translation>
    </message>
    <message>
        <source>Orvo cannot start: %1: %2</source>
        <extracomment>%1 is the file with its folder, %2 what is wrong with it.</extracomment>
        <translation>Orvo kann nicht starten: %1: %2</translation>
    </message>
    <message>
        <source>Orvo could not save %1 (%2). The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <extracomment>%1 is the file with its folder, %2 why it could not be saved.</extracomment>
        <translation>Orvo konnte %1 nicht speichern (%2). Die Datei behält ihren bisherigen Inhalt; das Spiel verwendet die neuen Werte, bis du es beendest.</translation>
    </message>
    <message>
        <source>Orvo could not save %1. The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <translation>Orvo konnte %1 nicht speichern. Die Datei behält ihren bisherigen Inhalt; das Spiel verwendet die neuen Werte, bis du es beendest.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>die Datei lässt sich nicht lesen (%1)</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>die Datei fehlt</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>das ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>das ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the folder for the game&apos;s files cannot be made</source>
        <translation>der Ordner für die Spieldateien lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>its default is missing from the program</source>
        <translation>der Standardinhalt der Datei fehlt im Programm</translation>
    </message>
    <message>
        <source>its default cannot be written (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>der Standardinhalt der Datei lässt sich nicht schreiben (%1)</translation>
    </message>
    <message>
        <source>Orvo wrote the default %1 into %2.</source>
        <extracomment>%1 is the file, %2 the folder.</extracomment>
        <translation>Orvo hat %1 mit Standardinhalt in %2 angelegt.</translation>
    </message>
    <message>
        <source>&lt;No One&gt;</source>
        <translation>&lt;Niemand&gt;</translation>
    </message>
    <message>
        <source>another game is saving and holds %1</source>
        <extracomment>%1 is the lock file with its folder.</extracomment>
        <translation>ein anderes Spiel speichert gerade und belegt %1</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>%1 lässt sich nicht anlegen</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations! You did it! Your Score: %1</source>
        <extracomment>%1 is the score with a space before it (or a minus sign), so the English text shows two spaces before the score.</extracomment>
        <translation>Glückwunsch! Geschafft! Deine Punktzahl:%1</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>Geschafft!</translation>
    </message>
    <message>
        <source>New High Score! Enter your Name!</source>
        <translation>Neuer Highscore! Gib deinen Namen ein!</translation>
    </message>
    <message>
        <source>High Score!</source>
        <translation>Highscore!</translation>
    </message>
    <message>
        <source>Meanwhile another game saved a high score of %1 by %2. Yours does not beat it and is not saved.</source>
        <extracomment>%1 is the high score another game saved (as high as this one or higher), %2 its holder.</extracomment>
        <translation>Inzwischen hat ein anderes Spiel einen Highscore gespeichert: %1 von %2. Deine Punktzahl übertrifft ihn nicht und wird nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Instructions:</source>
        <extracomment>The first line of the Info window, a heading.</extracomment>
        <translation>Anleitung:</translation>
    </message>
    <message>
        <source>You are the green dot. Get to the blue dot as fast as you can. Use the Arrow keys to navigate through the Maze. The longer you take, the less points you earn. The bigger the Maze(The Window) is, the more points you earn.</source>
        <translation>Du bist der grüne Punkt. Erreiche so schnell wie möglich den blauen Punkt. Mit den Pfeiltasten bewegst du dich durch das Labyrinth. Je länger du brauchst, desto weniger Punkte gibt es. Je größer das Labyrinth (das Fenster), desto mehr Punkte.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Orvo, made by the Orvo project.</source>
        <translation>Orvo, ein Spiel des Orvo-Projekts.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
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
        <translation>Wände:</translation>
    </message>
    <message>
        <source>Fore Color:</source>
        <extracomment>The colour of the passages and of the main window&apos;s text.</extracomment>
        <translation>Wege:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Walls: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the walls&apos; colour.</extracomment>
        <translation>Wände: Rot</translation>
    </message>
    <message>
        <source>Walls: green</source>
        <translation>Wände: Grün</translation>
    </message>
    <message>
        <source>Walls: blue</source>
        <translation>Wände: Blau</translation>
    </message>
    <message>
        <source>Passages: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the passages&apos; colour.</extracomment>
        <translation>Wege: Rot</translation>
    </message>
    <message>
        <source>Passages: green</source>
        <translation>Wege: Grün</translation>
    </message>
    <message>
        <source>Passages: blue</source>
        <translation>Wege: Blau</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
