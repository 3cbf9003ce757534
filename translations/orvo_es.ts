<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Clock</name>
    <message>
        <source>Time: %1  N = New Game  Esc = End  I = Info</source>
        <extracomment>The line under the maze. %1 is the time, such as 03:07. N, Esc and I are the keys themselves and stay so.</extracomment>
        <translation>Tiempo: %1  N = Nueva  Esc = Salir  I = Info</translation>
    </message>
    <message>
        <source>Highscore:%1 by %2</source>
        <extracomment>The line above the maze. %1 is the score with the space before it (or a minus sign), %2 the holder&apos;s name.</extracomment>
        <translation>Récord:%1 de %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>--data-dir necesita una carpeta.</translation>
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
        <translation>Uso: orvo [--data-dir CARPETA]
Guía el punto verde por un laberinto aleatorio hasta el punto azul, contra el
reloj.

Opciones:
  --data-dir CARPETA  leer y escribir los archivos de datos en CARPETA
  -h, --help          mostrar esta ayuda y salir
  -v, --version       mostrar la versión y salir

También se aceptan las opciones habituales de Qt, como -platform NOMBRE,
-style NOMBRE, -reverse y -session ID (la que usan los gestores de sesión).

Sin --data-dir, los archivos de datos se guardan junto al programa si alguno de
ellos está allí, y si no, en $XDG_DATA_HOME/orvo (~/.local/share/orvo).
</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>opción desconocida «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>opciones desconocidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>falta un valor después de «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>valor inesperado después de «%1».</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>it is empty.</source>
        <translation>está vacío.</translation>
    </message>
    <message>
        <source>it has too few fields.</source>
        <translation>le faltan campos.</translation>
    </message>
    <message>
        <source>a text field has no closing quote.</source>
        <translation>a un campo de texto le faltan las comillas de cierre.</translation>
    </message>
    <message>
        <source>the high score is not a whole number from 0 to %1.</source>
        <translation>el récord no es un número entero entre 0 y %1.</translation>
    </message>
    <message>
        <source>the fore colour is not a whole number from %1 to %2.</source>
        <translation>el color del suelo no es un número entero entre %1 y %2.</translation>
    </message>
    <message>
        <source>the back colour is not a whole number from %1 to %2.</source>
        <translation>el color de los muros no es un número entero entre %1 y %2.</translation>
    </message>
    <message>
        <source>the style is not a whole number from %1 to %2.</source>
        <translation>el estilo no es un número entero entre %1 y %2.</translation>
    </message>
    <message>
        <source>Orvo cannot start: %1: %2</source>
        <extracomment>%1 is the file with its folder, %2 what is wrong with it.</extracomment>
        <translation>Orvo no puede arrancar: %1: %2</translation>
    </message>
    <message>
        <source>Orvo could not save %1 (%2). The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <extracomment>%1 is the file with its folder, %2 why it could not be saved.</extracomment>
        <translation>Orvo no ha podido guardar %1 (%2). El archivo conserva su contenido anterior; el juego usará los valores nuevos hasta que se cierre.</translation>
    </message>
    <message>
        <source>Orvo could not save %1. The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <translation>Orvo no ha podido guardar %1. El archivo conserva su contenido anterior; el juego usará los valores nuevos hasta que se cierre.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the folder for the game&apos;s files cannot be made</source>
        <translation>no se puede crear la carpeta de los archivos del juego</translation>
    </message>
    <message>
        <source>its default is missing from the program</source>
        <translation>el programa no incluye la versión predeterminada del archivo</translation>
    </message>
    <message>
        <source>its default cannot be written (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>no se puede escribir la versión predeterminada del archivo (%1)</translation>
    </message>
    <message>
        <source>Orvo wrote the default %1 into %2.</source>
        <extracomment>%1 is the file, %2 the folder.</extracomment>
        <translation>Orvo ha creado el archivo %1 predeterminado en %2.</translation>
    </message>
    <message>
        <source>&lt;No One&gt;</source>
        <translation>&lt;Nadie&gt;</translation>
    </message>
    <message>
        <source>another game is saving and holds %1</source>
        <extracomment>%1 is the lock file with its folder.</extracomment>
        <translation>otra partida está guardando y tiene bloqueado %1</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>no se puede crear %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations! You did it! Your Score: %1</source>
        <extracomment>%1 is the score with a space before it (or a minus sign), so the English text shows two spaces before the score.</extracomment>
        <translation>¡Enhorabuena! ¡Lo has conseguido! Tu puntuación:%1</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>¡Lo has conseguido!</translation>
    </message>
    <message>
        <source>New High Score! Enter your Name!</source>
        <translation>¡Nuevo récord! ¡Escribe tu nombre!</translation>
    </message>
    <message>
        <source>High Score!</source>
        <translation>¡Récord!</translation>
    </message>
    <message>
        <source>Meanwhile another game saved a high score of %1 by %2. Yours does not beat it and is not saved.</source>
        <extracomment>%1 is the high score another game saved (as high as this one or higher), %2 its holder.</extracomment>
        <translation>Mientras tanto, otra partida ha guardado un récord: %1 de %2. Tu puntuación no lo supera y no se guardará.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Instructions:</source>
        <extracomment>The first line of the Info window, a heading.</extracomment>
        <translation>Instrucciones:</translation>
    </message>
    <message>
        <source>You are the green dot. Get to the blue dot as fast as you can. Use the Arrow keys to navigate through the Maze. The longer you take, the less points you earn. The bigger the Maze(The Window) is, the more points you earn.</source>
        <translation>Eres el punto verde. Llega al punto azul lo antes posible. Muévete por el laberinto con las flechas del teclado. Cuanto más tardes, menos puntos ganarás. Cuanto más grande sea el laberinto (la ventana), más puntos ganarás.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Orvo, made by the Orvo project.</source>
        <translation>Orvo, creado por el proyecto Orvo.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Estilo:</translation>
    </message>
    <message>
        <source>Style %1</source>
        <extracomment>A drawing style to choose; %1 is its number, 1 to 3.</extracomment>
        <translation>Tipo %1</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <extracomment>The colour of the walls and the background.</extracomment>
        <translation>Muros:</translation>
    </message>
    <message>
        <source>Fore Color:</source>
        <extracomment>The colour of the passages and of the main window&apos;s text.</extracomment>
        <translation>Suelo:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Walls: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the walls&apos; colour.</extracomment>
        <translation>Muros: rojo</translation>
    </message>
    <message>
        <source>Walls: green</source>
        <translation>Muros: verde</translation>
    </message>
    <message>
        <source>Walls: blue</source>
        <translation>Muros: azul</translation>
    </message>
    <message>
        <source>Passages: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the passages&apos; colour.</extracomment>
        <translation>Suelo: rojo</translation>
    </message>
    <message>
        <source>Passages: green</source>
        <translation>Suelo: verde</translation>
    </message>
    <message>
        <source>Passages: blue</source>
        <translation>Suelo: azul</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
