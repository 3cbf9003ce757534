<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Clock</name>
    <message>
        <source>Time: %1  N = New Game  Esc = End  I = Info</source>
        <extracomment>The line under the maze. %1 is the time, such as 03:07. N, Esc and I are the keys themselves and stay so.</extracomment>
        <translation>Tempo: %1  N = Nuova  Esc = Esci  I = Info</translation>
    </message>
    <message>
        <source>Highscore:%1 by %2</source>
        <extracomment>The line above the maze. %1 is the score with the space before it (or a minus sign), %2 the holder&apos;s name.</extracomment>
        <translation>Record:%1 di %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>--data-dir richiede una cartella.</translation>
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
        <translation>Uso: orvo [--data-dir CARTELLA]
Guida il punto verde attraverso un labirinto casuale fino al punto blu, contro
il tempo.

Opzioni:
  --data-dir CARTELLA  legge e scrive i file di dati in CARTELLA
  -h, --help           mostra questo aiuto ed esce
  -v, --version        mostra la versione ed esce

Sono accettate anche le opzioni standard di Qt, come -platform NOME,
-style NOME, -reverse e -session ID (usata dai gestori di sessione).

Senza --data-dir i file di dati sono tenuti accanto al programma se almeno uno
di essi si trova lì, altrimenti in $XDG_DATA_HOME/orvo (~/.local/share/orvo).
</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>opzione sconosciuta «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>opzioni sconosciute: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>valore mancante dopo «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>valore inatteso dopo «%1».</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>it is empty.</source>
        <translation>è vuoto.</translation>
    </message>
    <message>
        <source>it has too few fields.</source>
        <translation>ha troppo pochi campi.</translation>
    </message>
    <message>
        <source>a text field has no closing quote.</source>
        <translation>un campo di testo non ha le virgolette di chiusura.</translation>
    </message>
    <message>
        <source>the high score is not a whole number from 0 to %1.</source>
        <translation>il record non è un numero intero compreso tra 0 e %1.</translation>
    </message>
    <message>
        <source>the fore colour is not a whole number from %1 to %2.</source>
        <translation>il colore delle vie non è un numero intero compreso tra %1 e %2.</translation>
    </message>
    <message>
        <source>the back colour is not a whole number from %1 to %2.</source>
        <translation>il colore dei muri non è un numero intero compreso tra %1 e %2.</translation>
    </message>
    <message>
        <source>the style is not a whole number from %1 to %2.</source>
        <translation>lo stile non è un numero intero compreso tra %1 e %2.</translation>
    </message>
    <message>
        <source>Orvo cannot start: %1: %2</source>
        <extracomment>%1 is the file with its folder, %2 what is wrong with it.</extracomment>
        <translation>Orvo non può avviarsi: %1: %2</translation>
    </message>
    <message>
        <source>Orvo could not save %1 (%2). The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <extracomment>%1 is the file with its folder, %2 why it could not be saved.</extracomment>
        <translation>Orvo non è riuscito a salvare %1 (%2). Il file mantiene il contenuto precedente; il gioco usa i nuovi valori fino alla chiusura.</translation>
    </message>
    <message>
        <source>Orvo could not save %1. The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <translation>Orvo non è riuscito a salvare %1. Il file mantiene il contenuto precedente; il gioco usa i nuovi valori fino alla chiusura.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>non è leggibile (%1)</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>non esiste</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>è una cartella, non un file</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>the folder for the game&apos;s files cannot be made</source>
        <translation>impossibile creare la cartella dei file del gioco</translation>
    </message>
    <message>
        <source>its default is missing from the program</source>
        <translation>il programma non ne contiene una versione predefinita</translation>
    </message>
    <message>
        <source>its default cannot be written (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>impossibile scriverne la versione predefinita (%1)</translation>
    </message>
    <message>
        <source>Orvo wrote the default %1 into %2.</source>
        <extracomment>%1 is the file, %2 the folder.</extracomment>
        <translation>Orvo ha creato il file %1 predefinito in %2.</translation>
    </message>
    <message>
        <source>&lt;No One&gt;</source>
        <translation>&lt;Nessuno&gt;</translation>
    </message>
    <message>
        <source>another game is saving and holds %1</source>
        <extracomment>%1 is the lock file with its folder.</extracomment>
        <translation>un&apos;altra partita sta salvando e tiene bloccato %1</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>impossibile creare %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations! You did it! Your Score: %1</source>
        <extracomment>%1 is the score with a space before it (or a minus sign), so the English text shows two spaces before the score.</extracomment>
        <translation>Complimenti! Ce l&apos;hai fatta! Il tuo punteggio:%1</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>Ce l&apos;hai fatta!</translation>
    </message>
    <message>
        <source>New High Score! Enter your Name!</source>
        <translation>Nuovo record! Inserisci il tuo nome!</translation>
    </message>
    <message>
        <source>High Score!</source>
        <translation>Record!</translation>
    </message>
    <message>
        <source>Meanwhile another game saved a high score of %1 by %2. Yours does not beat it and is not saved.</source>
        <extracomment>%1 is the high score another game saved (as high as this one or higher), %2 its holder.</extracomment>
        <translation>Nel frattempo un&apos;altra partita ha salvato un record: %1 di %2. Il tuo punteggio non lo batte e non verrà salvato.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Instructions:</source>
        <extracomment>The first line of the Info window, a heading.</extracomment>
        <translation>Istruzioni:</translation>
    </message>
    <message>
        <source>You are the green dot. Get to the blue dot as fast as you can. Use the Arrow keys to navigate through the Maze. The longer you take, the less points you earn. The bigger the Maze(The Window) is, the more points you earn.</source>
        <translation>Sei il punto verde. Raggiungi il punto blu il più in fretta possibile, muovendoti nel labirinto con i tasti freccia. Più tempo impieghi, meno punti guadagni. Più grande è il labirinto (la finestra), più punti guadagni.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Orvo, made by the Orvo project.</source>
        <translation>Orvo, realizzato dal progetto Orvo.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Stile:</translation>
    </message>
    <message>
        <source>Style %1</source>
        <extracomment>A drawing style to choose; %1 is its number, 1 to 3.</extracomment>
        <translation>Stile %1</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <extracomment>The colour of the walls and the background.</extracomment>
        <translation>Muri:</translation>
    </message>
    <message>
        <source>Fore Color:</source>
        <extracomment>The colour of the passages and of the main window&apos;s text.</extracomment>
        <translation>Vie:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Walls: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the walls&apos; colour.</extracomment>
        <translation>Muri: rosso</translation>
    </message>
    <message>
        <source>Walls: green</source>
        <translation>Muri: verde</translation>
    </message>
    <message>
        <source>Walls: blue</source>
        <translation>Muri: blu</translation>
    </message>
    <message>
        <source>Passages: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the passages&apos; colour.</extracomment>
        <translation>Vie: rosso</translation>
    </message>
    <message>
        <source>Passages: green</source>
        <translation>Vie: verde</translation>
    </message>
    <message>
        <source>Passages: blue</source>
        <translation>Vie: blu</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
</TS>
