<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Clock</name>
    <message>
        <source>Time: %1  N = New Game  Esc = End  I = Info</source>
        <extracomment>The line under the maze. %1 is the time, such as 03:07. N, Esc and I are the keys themselves and stay so.</extracomment>
        <translation>Tijd: %1  N = Nieuw spel  Esc = Stop  I = Info</translation>
    </message>
    <message>
        <source>Highscore:%1 by %2</source>
        <extracomment>The line above the maze. %1 is the score with the space before it (or a minus sign), %2 the holder&apos;s name.</extracomment>
        <translation>Topscore:%1 van %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>onverwacht argument ‘%1’.</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>--data-dir vereist een map.</translation>
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
        <translation>Gebruik: orvo [--data-dir MAP]
Stuur de groene stip tegen de klok door een willekeurig doolhof naar de blauwe
stip.

Opties:
  --data-dir MAP  de gegevensbestanden in MAP lezen en schrijven
  -h, --help      deze hulptekst tonen en stoppen
  -v, --version   de versie tonen en stoppen

De standaardopties van Qt werken ook, zoals -platform NAAM, -style NAAM,
-reverse en -session ID (gebruikt door sessiebeheerders).

Zonder --data-dir staan de gegevensbestanden naast het programma als daar al
een ervan staat, en anders in $XDG_DATA_HOME/orvo (~/.local/share/orvo).
</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>onbekende optie ‘%1’.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>onbekende opties: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>ontbrekende waarde na ‘%1’.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>onverwachte waarde na ‘%1’.</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>it is empty.</source>
        <translation>het bestand is leeg.</translation>
    </message>
    <message>
        <source>it has too few fields.</source>
        <translation>het bestand heeft te weinig velden.</translation>
    </message>
    <message>
        <source>a text field has no closing quote.</source>
        <translation>een tekstveld mist het afsluitende aanhalingsteken.</translation>
    </message>
    <message>
        <source>the high score is not a whole number from 0 to %1.</source>
        <translation>de topscore is geen geheel getal van 0 tot en met %1.</translation>
    </message>
    <message>
        <source>the fore colour is not a whole number from %1 to %2.</source>
        <translation>de kleur van de paden is geen geheel getal van %1 tot en met %2.</translation>
    </message>
    <message>
        <source>the back colour is not a whole number from %1 to %2.</source>
        <translation>de kleur van de muren is geen geheel getal van %1 tot en met %2.</translation>
    </message>
    <message>
        <source>the style is not a whole number from %1 to %2.</source>
        <translation>de stijl is geen geheel getal van %1 tot en met %2.</translation>
    </message>
    <message>
        <source>Orvo cannot start: %1: %2</source>
        <extracomment>%1 is the file with its folder, %2 what is wrong with it.</extracomment>
        <translation>Orvo kan niet starten: %1: %2</translation>
    </message>
    <message>
        <source>Orvo could not save %1 (%2). The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <extracomment>%1 is the file with its folder, %2 why it could not be saved.</extracomment>
        <translation>Orvo kon %1 niet opslaan (%2). Het bestand behoudt zijn vorige inhoud; het spel gebruikt de nieuwe waarden tot je het afsluit.</translation>
    </message>
    <message>
        <source>Orvo could not save %1. The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <translation>Orvo kon %1 niet opslaan. Het bestand behoudt zijn vorige inhoud; het spel gebruikt de nieuwe waarden tot je het afsluit.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>het bestand kan niet worden gelezen (%1)</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>het bestand ontbreekt</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>het is een map, geen bestand</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>the folder for the game&apos;s files cannot be made</source>
        <translation>de map voor de gegevensbestanden kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>its default is missing from the program</source>
        <translation>de standaardinhoud ontbreekt in het programma</translation>
    </message>
    <message>
        <source>its default cannot be written (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>de standaardinhoud kan niet worden geschreven (%1)</translation>
    </message>
    <message>
        <source>Orvo wrote the default %1 into %2.</source>
        <extracomment>%1 is the file, %2 the folder.</extracomment>
        <translation>Orvo heeft %1 met standaardinhoud aangemaakt in %2.</translation>
    </message>
    <message>
        <source>&lt;No One&gt;</source>
        <translation>&lt;Niemand&gt;</translation>
    </message>
    <message>
        <source>another game is saving and holds %1</source>
        <extracomment>%1 is the lock file with its folder.</extracomment>
        <translation>een ander spel is aan het opslaan en houdt %1 vergrendeld</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>%1 kan niet worden aangemaakt</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations! You did it! Your Score: %1</source>
        <extracomment>%1 is the score with a space before it (or a minus sign), so the English text shows two spaces before the score.</extracomment>
        <translation>Gefeliciteerd! Het is je gelukt! Je score:%1</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>Gelukt!</translation>
    </message>
    <message>
        <source>New High Score! Enter your Name!</source>
        <translation>Nieuwe topscore! Vul je naam in!</translation>
    </message>
    <message>
        <source>High Score!</source>
        <translation>Topscore!</translation>
    </message>
    <message>
        <source>Meanwhile another game saved a high score of %1 by %2. Yours does not beat it and is not saved.</source>
        <extracomment>%1 is the high score another game saved (as high as this one or higher), %2 its holder.</extracomment>
        <translation>Intussen heeft een ander spel een topscore opgeslagen: %1 van %2. Jouw score verslaat die niet en wordt niet opgeslagen.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Instructions:</source>
        <extracomment>The first line of the Info window, a heading.</extracomment>
        <translation>Uitleg:</translation>
    </message>
    <message>
        <source>You are the green dot. Get to the blue dot as fast as you can. Use the Arrow keys to navigate through the Maze. The longer you take, the less points you earn. The bigger the Maze(The Window) is, the more points you earn.</source>
        <translation>Jij bent de groene stip. Ga zo snel mogelijk naar de blauwe stip. Beweeg met de pijltjestoetsen door het doolhof. Hoe langer je erover doet, hoe minder punten je krijgt. Hoe groter het doolhof (het venster), hoe meer punten.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Orvo, made by the Orvo project.</source>
        <translation>Orvo, gemaakt door het Orvo-project.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Stijl:</translation>
    </message>
    <message>
        <source>Style %1</source>
        <extracomment>A drawing style to choose; %1 is its number, 1 to 3.</extracomment>
        <translation>Stijl %1</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <extracomment>The colour of the walls and the background.</extracomment>
        <translation>Muren:</translation>
    </message>
    <message>
        <source>Fore Color:</source>
        <extracomment>The colour of the passages and of the main window&apos;s text.</extracomment>
        <translation>Paden:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Walls: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the walls&apos; colour.</extracomment>
        <translation>Muren: rood</translation>
    </message>
    <message>
        <source>Walls: green</source>
        <translation>Muren: groen</translation>
    </message>
    <message>
        <source>Walls: blue</source>
        <translation>Muren: blauw</translation>
    </message>
    <message>
        <source>Passages: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the passages&apos; colour.</extracomment>
        <translation>Paden: rood</translation>
    </message>
    <message>
        <source>Passages: green</source>
        <translation>Paden: groen</translation>
    </message>
    <message>
        <source>Passages: blue</source>
        <translation>Paden: blauw</translation>
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
        <translation>Annuleren</translation>
    </message>
</context>
</TS>
