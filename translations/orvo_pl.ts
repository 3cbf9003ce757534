<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Clock</name>
    <message>
        <source>Time: %1  N = New Game  Esc = End  I = Info</source>
        <extracomment>The line under the maze. %1 is the time, such as 03:07. N, Esc and I are the keys themselves and stay so.</extracomment>
        <translation>Czas: %1  N = Nowa gra  Esc = Koniec  I = Info</translation>
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
        <translation>nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>--data-dir wymaga podania katalogu.</translation>
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
        <translation>Użycie: orvo [--data-dir KATALOG]
Prowadź zieloną kropkę przez losowy labirynt do niebieskiej kropki, ścigając
się z czasem.

Opcje:
  --data-dir KATALOG  odczyt i zapis plików danych w katalogu KATALOG
  -h, --help          wyświetlenie tej pomocy i zakończenie
  -v, --version       wyświetlenie wersji i zakończenie

Przyjmowane są też standardowe opcje Qt, takie jak -platform NAZWA,
-style NAZWA, -reverse i -session ID (używana przez menedżery sesji).

Bez --data-dir pliki danych są przechowywane obok programu, jeśli znajduje się
tam którykolwiek z nich, a w przeciwnym razie w $XDG_DATA_HOME/orvo
(~/.local/share/orvo).
</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>nieznana opcja „%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>nieznane opcje: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>brak wartości po „%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>nieoczekiwana wartość po „%1”.</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>it is empty.</source>
        <translation>plik jest pusty.</translation>
    </message>
    <message>
        <source>it has too few fields.</source>
        <translation>plik ma za mało pól.</translation>
    </message>
    <message>
        <source>a text field has no closing quote.</source>
        <translation>w polu tekstowym brakuje cudzysłowu zamykającego.</translation>
    </message>
    <message>
        <source>the high score is not a whole number from 0 to %1.</source>
        <translation>rekord nie jest liczbą całkowitą od 0 do %1.</translation>
    </message>
    <message>
        <source>the fore colour is not a whole number from %1 to %2.</source>
        <translation>kolor dróg nie jest liczbą całkowitą od %1 do %2.</translation>
    </message>
    <message>
        <source>the back colour is not a whole number from %1 to %2.</source>
        <translation>kolor ścian nie jest liczbą całkowitą od %1 do %2.</translation>
    </message>
    <message>
        <source>the style is not a whole number from %1 to %2.</source>
        <translation>styl nie jest liczbą całkowitą od %1 do %2.</translation>
    </message>
    <message>
        <source>Orvo cannot start: %1: %2</source>
        <extracomment>%1 is the file with its folder, %2 what is wrong with it.</extracomment>
        <translation>Nie można uruchomić gry Orvo: %1: %2</translation>
    </message>
    <message>
        <source>Orvo could not save %1 (%2). The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <extracomment>%1 is the file with its folder, %2 why it could not be saved.</extracomment>
        <translation>Nie można zapisać pliku %1 (%2). Plik zachowuje dotychczasową zawartość; gra toczy się dalej z nowymi wartościami aż do jej zakończenia.</translation>
    </message>
    <message>
        <source>Orvo could not save %1. The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <translation>Nie można zapisać pliku %1. Plik zachowuje dotychczasową zawartość; gra toczy się dalej z nowymi wartościami aż do jej zakończenia.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>nie można odczytać pliku (%1)</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>brak pliku</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>to katalog, a nie plik</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>the folder for the game&apos;s files cannot be made</source>
        <translation>nie można utworzyć katalogu na pliki gry</translation>
    </message>
    <message>
        <source>its default is missing from the program</source>
        <translation>w programie brakuje domyślnej zawartości pliku</translation>
    </message>
    <message>
        <source>its default cannot be written (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>nie można zapisać domyślnej zawartości pliku (%1)</translation>
    </message>
    <message>
        <source>Orvo wrote the default %1 into %2.</source>
        <extracomment>%1 is the file, %2 the folder.</extracomment>
        <translation>Utworzono domyślny plik %1 w katalogu %2.</translation>
    </message>
    <message>
        <source>&lt;No One&gt;</source>
        <translation>&lt;Nikt&gt;</translation>
    </message>
    <message>
        <source>another game is saving and holds %1</source>
        <extracomment>%1 is the lock file with its folder.</extracomment>
        <translation>inna gra właśnie zapisuje i blokuje plik %1</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>nie można utworzyć pliku %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations! You did it! Your Score: %1</source>
        <extracomment>%1 is the score with a space before it (or a minus sign), so the English text shows two spaces before the score.</extracomment>
        <translation>Gratulacje! Udało się! Twój wynik:%1</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>Udało się!</translation>
    </message>
    <message>
        <source>New High Score! Enter your Name!</source>
        <translation>Nowy rekord! Wpisz swoje imię!</translation>
    </message>
    <message>
        <source>High Score!</source>
        <translation>Rekord!</translation>
    </message>
    <message>
        <source>Meanwhile another game saved a high score of %1 by %2. Yours does not beat it and is not saved.</source>
        <extracomment>%1 is the high score another game saved (as high as this one or higher), %2 its holder.</extracomment>
        <translation>Tymczasem inna gra zapisała rekord: %1 – %2. Twój wynik go nie pobija, więc nie zostanie zapisany.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Instructions:</source>
        <extracomment>The first line of the Info window, a heading.</extracomment>
        <translation>Instrukcja:</translation>
    </message>
    <message>
        <source>You are the green dot. Get to the blue dot as fast as you can. Use the Arrow keys to navigate through the Maze. The longer you take, the less points you earn. The bigger the Maze(The Window) is, the more points you earn.</source>
        <translation>Jesteś zieloną kropką. Jak najszybciej dotrzyj do niebieskiej kropki. Po labiryncie poruszasz się klawiszami strzałek. Im dłużej ci to zajmie, tym mniej punktów zdobędziesz. Im większy labirynt (okno), tym więcej punktów.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Orvo, made by the Orvo project.</source>
        <translation>Orvo – gra stworzona przez projekt Orvo.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
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
        <translation>Kolor ścian:</translation>
    </message>
    <message>
        <source>Fore Color:</source>
        <extracomment>The colour of the passages and of the main window&apos;s text.</extracomment>
        <translation>Kolor dróg:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Walls: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the walls&apos; colour.</extracomment>
        <translation>Ściany: czerwony</translation>
    </message>
    <message>
        <source>Walls: green</source>
        <translation>Ściany: zielony</translation>
    </message>
    <message>
        <source>Walls: blue</source>
        <translation>Ściany: niebieski</translation>
    </message>
    <message>
        <source>Passages: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the passages&apos; colour.</extracomment>
        <translation>Drogi: czerwony</translation>
    </message>
    <message>
        <source>Passages: green</source>
        <translation>Drogi: zielony</translation>
    </message>
    <message>
        <source>Passages: blue</source>
        <translation>Drogi: niebieski</translation>
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
        <translation>Anuluj</translation>
    </message>
</context>
</TS>
