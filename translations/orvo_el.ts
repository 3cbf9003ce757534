<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>Clock</name>
    <message>
        <source>Time: %1  N = New Game  Esc = End  I = Info</source>
        <extracomment>The line under the maze. %1 is the time, such as 03:07. N, Esc and I are the keys themselves and stay so.</extracomment>
        <translation>Χρόνος: %1  N = Νέο  Esc = Έξοδος  I = Βοήθεια</translation>
    </message>
    <message>
        <source>Highscore:%1 by %2</source>
        <extracomment>The line above the maze. %1 is the score with the space before it (or a minus sign), %2 the holder&apos;s name.</extracomment>
        <translation>Ρεκόρ:%1 — %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>μη αναμενόμενο όρισμα «%1».</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>το --data-dir χρειάζεται έναν φάκελο.</translation>
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
        <translation>Χρήση: orvo [--data-dir ΦΑΚΕΛΟΣ]
Οδηγήστε την πράσινη κουκκίδα μέσα από έναν τυχαίο λαβύρινθο στην μπλε
κουκκίδα, κόντρα στον χρόνο.

Επιλογές:
  --data-dir ΦΑΚΕΛΟΣ  χρήση του φακέλου ΦΑΚΕΛΟΣ για τα αρχεία δεδομένων
  -h, --help          εμφάνιση αυτής της βοήθειας και έξοδος
  -v, --version       εμφάνιση της έκδοσης και έξοδος

Γίνονται δεκτές και οι τυπικές επιλογές του Qt, όπως -platform ΟΝΟΜΑ,
-style ΟΝΟΜΑ, -reverse και -session ID (που χρησιμοποιούν οι διαχειριστές
συνεδρίας).

Χωρίς το --data-dir, τα αρχεία δεδομένων φυλάσσονται δίπλα στο πρόγραμμα, αν
υπάρχει εκεί κάποιο από αυτά, αλλιώς στο $XDG_DATA_HOME/orvo
(~/.local/share/orvo).
</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>άγνωστη επιλογή «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>άγνωστες επιλογές: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>λείπει τιμή μετά το «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>μη αναμενόμενη τιμή μετά το «%1».</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>it is empty.</source>
        <translation>το αρχείο είναι κενό.</translation>
    </message>
    <message>
        <source>it has too few fields.</source>
        <translation>το αρχείο έχει πολύ λίγα πεδία.</translation>
    </message>
    <message>
        <source>a text field has no closing quote.</source>
        <translation>σε ένα πεδίο κειμένου λείπουν τα εισαγωγικά κλεισίματος.</translation>
    </message>
    <message>
        <source>the high score is not a whole number from 0 to %1.</source>
        <translation>το ρεκόρ δεν είναι ακέραιος αριθμός από 0 έως %1.</translation>
    </message>
    <message>
        <source>the fore colour is not a whole number from %1 to %2.</source>
        <translation>το χρώμα των δρόμων δεν είναι ακέραιος αριθμός από %1 έως %2.</translation>
    </message>
    <message>
        <source>the back colour is not a whole number from %1 to %2.</source>
        <translation>το χρώμα των τοίχων δεν είναι ακέραιος αριθμός από %1 έως %2.</translation>
    </message>
    <message>
        <source>the style is not a whole number from %1 to %2.</source>
        <translation>το στυλ δεν είναι ακέραιος αριθμός από %1 έως %2.</translation>
    </message>
    <message>
        <source>Orvo cannot start: %1: %2</source>
        <extracomment>%1 is the file with its folder, %2 what is wrong with it.</extracomment>
        <translation>Το Orvo δεν μπορεί να ξεκινήσει: %1: %2</translation>
    </message>
    <message>
        <source>Orvo could not save %1 (%2). The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <extracomment>%1 is the file with its folder, %2 why it could not be saved.</extracomment>
        <translation>Το Orvo δεν μπόρεσε να αποθηκεύσει το %1 (%2). Το αρχείο κρατά το προηγούμενο περιεχόμενό του· το παιχνίδι συνεχίζει με τις νέες τιμές μέχρι να κλείσει.</translation>
    </message>
    <message>
        <source>Orvo could not save %1. The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <translation>Το Orvo δεν μπόρεσε να αποθηκεύσει το %1. Το αρχείο κρατά το προηγούμενο περιεχόμενό του· το παιχνίδι συνεχίζει με τις νέες τιμές μέχρι να κλείσει.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>το αρχείο δεν μπορεί να αναγνωστεί (%1)</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>το αρχείο λείπει</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>είναι φάκελος, όχι αρχείο</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>δεν είναι κανονικό αρχείο</translation>
    </message>
    <message>
        <source>the folder for the game&apos;s files cannot be made</source>
        <translation>ο φάκελος για τα αρχεία του παιχνιδιού δεν μπορεί να δημιουργηθεί</translation>
    </message>
    <message>
        <source>its default is missing from the program</source>
        <translation>το προεπιλεγμένο περιεχόμενο του αρχείου λείπει από το πρόγραμμα</translation>
    </message>
    <message>
        <source>its default cannot be written (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>το προεπιλεγμένο περιεχόμενο του αρχείου δεν μπορεί να γραφτεί (%1)</translation>
    </message>
    <message>
        <source>Orvo wrote the default %1 into %2.</source>
        <extracomment>%1 is the file, %2 the folder.</extracomment>
        <translation>Το Orvo έγραψε το προεπιλεγμένο αρχείο %1 στον φάκελο %2.</translation>
    </message>
    <message>
        <source>&lt;No One&gt;</source>
        <translation>&lt;Κανείς&gt;</translation>
    </message>
    <message>
        <source>another game is saving and holds %1</source>
        <extracomment>%1 is the lock file with its folder.</extracomment>
        <translation>ένα άλλο παιχνίδι αποθηκεύει αυτή τη στιγμή και κρατά κλειδωμένο το %1</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>το %1 δεν μπορεί να δημιουργηθεί</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations! You did it! Your Score: %1</source>
        <extracomment>%1 is the score with a space before it (or a minus sign), so the English text shows two spaces before the score.</extracomment>
        <translation>Συγχαρητήρια! Τα καταφέρατε! Η βαθμολογία σας:%1</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>Τα καταφέρατε!</translation>
    </message>
    <message>
        <source>New High Score! Enter your Name!</source>
        <translation>Νέο ρεκόρ! Γράψτε το όνομά σας!</translation>
    </message>
    <message>
        <source>High Score!</source>
        <translation>Ρεκόρ!</translation>
    </message>
    <message>
        <source>Meanwhile another game saved a high score of %1 by %2. Yours does not beat it and is not saved.</source>
        <extracomment>%1 is the high score another game saved (as high as this one or higher), %2 its holder.</extracomment>
        <translation>Στο μεταξύ ένα άλλο παιχνίδι αποθήκευσε ρεκόρ: %1 — %2. Η βαθμολογία σας δεν το ξεπερνά και δεν θα αποθηκευτεί.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Instructions:</source>
        <extracomment>The first line of the Info window, a heading.</extracomment>
        <translation>Οδηγίες:</translation>
    </message>
    <message>
        <source>You are the green dot. Get to the blue dot as fast as you can. Use the Arrow keys to navigate through the Maze. The longer you take, the less points you earn. The bigger the Maze(The Window) is, the more points you earn.</source>
        <translation>Είστε η πράσινη κουκκίδα. Φτάστε στην μπλε κουκκίδα όσο πιο γρήγορα μπορείτε. Κινηθείτε στον λαβύρινθο με τα πλήκτρα βέλους. Όσο πιο αργά, τόσο λιγότεροι πόντοι. Όσο μεγαλύτερος ο λαβύρινθος (το παράθυρο), τόσο περισσότεροι πόντοι.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <source>Orvo, made by the Orvo project.</source>
        <translation>Orvo, ένα παιχνίδι του έργου Orvo.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Επιλογές</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Options</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Στυλ</translation>
    </message>
    <message>
        <source>Style %1</source>
        <extracomment>A drawing style to choose; %1 is its number, 1 to 3.</extracomment>
        <translation>Στυλ %1</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <extracomment>The colour of the walls and the background.</extracomment>
        <translation>Τοίχοι</translation>
    </message>
    <message>
        <source>Fore Color:</source>
        <extracomment>The colour of the passages and of the main window&apos;s text.</extracomment>
        <translation>Δρόμοι</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Walls: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the walls&apos; colour.</extracomment>
        <translation>Τοίχοι: κόκκινο</translation>
    </message>
    <message>
        <source>Walls: green</source>
        <translation>Τοίχοι: πράσινο</translation>
    </message>
    <message>
        <source>Walls: blue</source>
        <translation>Τοίχοι: μπλε</translation>
    </message>
    <message>
        <source>Passages: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the passages&apos; colour.</extracomment>
        <translation>Δρόμοι: κόκκινο</translation>
    </message>
    <message>
        <source>Passages: green</source>
        <translation>Δρόμοι: πράσινο</translation>
    </message>
    <message>
        <source>Passages: blue</source>
        <translation>Δρόμοι: μπλε</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
</context>
</TS>
