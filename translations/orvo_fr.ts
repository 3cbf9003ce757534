<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Clock</name>
    <message>
        <source>Time: %1  N = New Game  Esc = End  I = Info</source>
        <extracomment>The line under the maze. %1 is the time, such as 03:07. N, Esc and I are the keys themselves and stay so.</extracomment>
        <translation>Temps&#xa0;: %1  N = Nouveau  Échap = Fin  I = Infos</translation>
    </message>
    <message>
        <source>Highscore:%1 by %2</source>
        <extracomment>The line above the maze. %1 is the score with the space before it (or a minus sign), %2 the holder&apos;s name.</extracomment>
        <translation>Record&#xa0;:%1 par %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>--data-dir attend un dossier.</translation>
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
        <translation>Utilisation&#xa0;: orvo [--data-dir DOSSIER]
Guidez le point vert à travers un labyrinthe aléatoire jusqu&apos;au point bleu,
contre la montre.

Options&#xa0;:
  --data-dir DOSSIER  lire et écrire les fichiers de données dans DOSSIER
  -h, --help          afficher cette aide et quitter
  -v, --version       afficher la version et quitter

Les options standard de Qt sont aussi acceptées, comme -platform NOM,
-style NOM, -reverse et -session ID (utilisée par les gestionnaires de session).

Sans --data-dir, les fichiers de données sont conservés à côté du programme
si l&apos;un d&apos;eux s&apos;y trouve, sinon dans $XDG_DATA_HOME/orvo (~/.local/share/orvo).
</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>option inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>options inconnues&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>valeur manquante après «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>valeur inattendue après «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>it is empty.</source>
        <translation>le fichier est vide.</translation>
    </message>
    <message>
        <source>it has too few fields.</source>
        <translation>le fichier a trop peu de champs.</translation>
    </message>
    <message>
        <source>a text field has no closing quote.</source>
        <translation>un champ de texte n&apos;a pas de guillemet fermant.</translation>
    </message>
    <message>
        <source>the high score is not a whole number from 0 to %1.</source>
        <translation>le record n&apos;est pas un nombre entier compris entre 0 et %1.</translation>
    </message>
    <message>
        <source>the fore colour is not a whole number from %1 to %2.</source>
        <translation>la couleur du sol n&apos;est pas un nombre entier compris entre %1 et %2.</translation>
    </message>
    <message>
        <source>the back colour is not a whole number from %1 to %2.</source>
        <translation>la couleur des murs n&apos;est pas un nombre entier compris entre %1 et %2.</translation>
    </message>
    <message>
        <source>the style is not a whole number from %1 to %2.</source>
        <translation>le style n&apos;est pas un nombre entier compris entre %1 et %2.</translation>
    </message>
    <message>
        <source>Orvo cannot start: %1: %2</source>
        <extracomment>%1 is the file with its folder, %2 what is wrong with it.</extracomment>
        <translation>Orvo ne peut pas démarrer&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Orvo could not save %1 (%2). The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <extracomment>%1 is the file with its folder, %2 why it could not be saved.</extracomment>
        <translation>Orvo n&apos;a pas pu enregistrer %1 (%2). Le fichier conserve son contenu précédent&#xa0;; le jeu garde les nouvelles valeurs jusqu&apos;à sa fermeture.</translation>
    </message>
    <message>
        <source>Orvo could not save %1. The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <translation>Orvo n&apos;a pas pu enregistrer %1. Le fichier conserve son contenu précédent&#xa0;; le jeu garde les nouvelles valeurs jusqu&apos;à sa fermeture.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>impossible de lire le fichier (%1)</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>le fichier est introuvable</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the folder for the game&apos;s files cannot be made</source>
        <translation>impossible de créer le dossier des fichiers du jeu</translation>
    </message>
    <message>
        <source>its default is missing from the program</source>
        <translation>le programme n&apos;en contient pas de version par défaut</translation>
    </message>
    <message>
        <source>its default cannot be written (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>impossible d&apos;en écrire la version par défaut (%1)</translation>
    </message>
    <message>
        <source>Orvo wrote the default %1 into %2.</source>
        <extracomment>%1 is the file, %2 the folder.</extracomment>
        <translation>Orvo a créé le fichier %1 par défaut dans %2.</translation>
    </message>
    <message>
        <source>&lt;No One&gt;</source>
        <translation>&lt;Personne&gt;</translation>
    </message>
    <message>
        <source>another game is saving and holds %1</source>
        <extracomment>%1 is the lock file with its folder.</extracomment>
        <translation>une autre partie est en train d&apos;enregistrer et verrouille %1</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>impossible de créer %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations! You did it! Your Score: %1</source>
        <extracomment>%1 is the score with a space before it (or a minus sign), so the English text shows two spaces before the score.</extracomment>
        <translation>Félicitations&#xa0;! Vous avez réussi&#xa0;! Votre score&#xa0;:%1</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>Gagné&#xa0;!</translation>
    </message>
    <message>
        <source>New High Score! Enter your Name!</source>
        <translation>Nouveau record&#xa0;! Entrez votre nom&#xa0;!</translation>
    </message>
    <message>
        <source>High Score!</source>
        <translation>Record&#xa0;!</translation>
    </message>
    <message>
        <source>Meanwhile another game saved a high score of %1 by %2. Yours does not beat it and is not saved.</source>
        <extracomment>%1 is the high score another game saved (as high as this one or higher), %2 its holder.</extracomment>
        <translation>Entre-temps, une autre partie a enregistré un record de %1 par %2. Votre score ne le bat pas et ne sera pas enregistré.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Instructions:</source>
        <extracomment>The first line of the Info window, a heading.</extracomment>
        <translation>Comment jouer&#xa0;:</translation>
    </message>
    <message>
        <source>You are the green dot. Get to the blue dot as fast as you can. Use the Arrow keys to navigate through the Maze. The longer you take, the less points you earn. The bigger the Maze(The Window) is, the more points you earn.</source>
        <translation>Vous êtes le point vert. Rejoignez le point bleu au plus vite en parcourant le labyrinthe avec les flèches du clavier. Plus vous tardez, moins vous marquez de points. Plus le labyrinthe (la fenêtre) est grand, plus vous en marquez.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Orvo, made by the Orvo project.</source>
        <translation>Orvo, réalisé par le projet Orvo.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Style&#xa0;:</translation>
    </message>
    <message>
        <source>Style %1</source>
        <extracomment>A drawing style to choose; %1 is its number, 1 to 3.</extracomment>
        <translation>Style %1</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <extracomment>The colour of the walls and the background.</extracomment>
        <translation>Murs&#xa0;:</translation>
    </message>
    <message>
        <source>Fore Color:</source>
        <extracomment>The colour of the passages and of the main window&apos;s text.</extracomment>
        <translation>Sol&#xa0;:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Walls: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the walls&apos; colour.</extracomment>
        <translation>Murs&#xa0;: rouge</translation>
    </message>
    <message>
        <source>Walls: green</source>
        <translation>Murs&#xa0;: vert</translation>
    </message>
    <message>
        <source>Walls: blue</source>
        <translation>Murs&#xa0;: bleu</translation>
    </message>
    <message>
        <source>Passages: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the passages&apos; colour.</extracomment>
        <translation>Sol&#xa0;: rouge</translation>
    </message>
    <message>
        <source>Passages: green</source>
        <translation>Sol&#xa0;: vert</translation>
    </message>
    <message>
        <source>Passages: blue</source>
        <translation>Sol&#xa0;: bleu</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
</TS>
