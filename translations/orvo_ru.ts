<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Clock</name>
    <message>
        <source>Time: %1  N = New Game  Esc = End  I = Info</source>
        <extracomment>The line under the maze. %1 is the time, such as 03:07. N, Esc and I are the keys themselves and stay so.</extracomment>
        <translation>Время: %1  N = Заново  Esc = Выход  I = Справка</translation>
    </message>
    <message>
        <source>Highscore:%1 by %2</source>
        <extracomment>The line above the maze. %1 is the score with the space before it (or a minus sign), %2 the holder&apos;s name.</extracomment>
        <translation>Рекорд:%1 — %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>лишний аргумент «%1».</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>после --data-dir нужно указать папку.</translation>
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
        <translation>Использование: orvo [--data-dir ПАПКА]
Проведите зелёную точку через случайный лабиринт к синей точке на время.

Параметры:
  --data-dir ПАПКА  читать и записывать файлы данных в папке ПАПКА
  -h, --help        показать эту справку и выйти
  -v, --version     показать версию и выйти

Принимаются и стандартные параметры Qt, например -platform ИМЯ, -style ИМЯ,
-reverse и -session ID (его используют менеджеры сеансов).

Без --data-dir файлы данных хранятся рядом с программой, если там есть хотя бы
один из них, а иначе — в $XDG_DATA_HOME/orvo (~/.local/share/orvo).
</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>неизвестный параметр «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>неизвестные параметры: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>не указано значение после «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>лишнее значение после «%1».</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>it is empty.</source>
        <translation>файл пуст.</translation>
    </message>
    <message>
        <source>it has too few fields.</source>
        <translation>в файле слишком мало полей.</translation>
    </message>
    <message>
        <source>a text field has no closing quote.</source>
        <translation>у текстового поля нет закрывающей кавычки.</translation>
    </message>
    <message>
        <source>the high score is not a whole number from 0 to %1.</source>
        <translation>рекорд — не целое число от 0 до %1.</translation>
    </message>
    <message>
        <source>the fore colour is not a whole number from %1 to %2.</source>
        <translation>цвет ходов — не целое число от %1 до %2.</translation>
    </message>
    <message>
        <source>the back colour is not a whole number from %1 to %2.</source>
        <translation>цвет стен — не целое число от %1 до %2.</translation>
    </message>
    <message>
        <source>the style is not a whole number from %1 to %2.</source>
        <translation>стиль — не целое число от %1 до %2.</translation>
    </message>
    <message>
        <source>Orvo cannot start: %1: %2</source>
        <extracomment>%1 is the file with its folder, %2 what is wrong with it.</extracomment>
        <translation>Orvo не может запуститься: %1: %2</translation>
    </message>
    <message>
        <source>Orvo could not save %1 (%2). The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <extracomment>%1 is the file with its folder, %2 why it could not be saved.</extracomment>
        <translation>Orvo не удалось сохранить %1 (%2). В файле осталось прежнее содержимое; до выхода из игры действуют новые значения.</translation>
    </message>
    <message>
        <source>Orvo could not save %1. The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <translation>Orvo не удалось сохранить %1. В файле осталось прежнее содержимое; до выхода из игры действуют новые значения.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>файл не удаётся прочитать (%1)</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>файл отсутствует</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>это папка, а не файл</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>the folder for the game&apos;s files cannot be made</source>
        <translation>не удаётся создать папку для файлов игры</translation>
    </message>
    <message>
        <source>its default is missing from the program</source>
        <translation>в программе нет содержимого этого файла по умолчанию</translation>
    </message>
    <message>
        <source>its default cannot be written (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>не удаётся записать содержимое файла по умолчанию (%1)</translation>
    </message>
    <message>
        <source>Orvo wrote the default %1 into %2.</source>
        <extracomment>%1 is the file, %2 the folder.</extracomment>
        <translation>В папку %2 записан файл %1 по умолчанию.</translation>
    </message>
    <message>
        <source>&lt;No One&gt;</source>
        <translation>&lt;Никто&gt;</translation>
    </message>
    <message>
        <source>another game is saving and holds %1</source>
        <extracomment>%1 is the lock file with its folder.</extracomment>
        <translation>другая запущенная игра сейчас сохраняет данные и заблокировала файл %1</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>не удаётся создать файл %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations! You did it! Your Score: %1</source>
        <extracomment>%1 is the score with a space before it (or a minus sign), so the English text shows two spaces before the score.</extracomment>
        <translation>Поздравляем! Вы справились! Ваш результат:%1</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>Вы справились!</translation>
    </message>
    <message>
        <source>New High Score! Enter your Name!</source>
        <translation>Новый рекорд! Введите своё имя!</translation>
    </message>
    <message>
        <source>High Score!</source>
        <translation>Рекорд!</translation>
    </message>
    <message>
        <source>Meanwhile another game saved a high score of %1 by %2. Yours does not beat it and is not saved.</source>
        <extracomment>%1 is the high score another game saved (as high as this one or higher), %2 its holder.</extracomment>
        <translation>Тем временем другая запущенная игра сохранила рекорд: %1 — %2. Ваш результат его не превышает и не будет сохранён.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Instructions:</source>
        <extracomment>The first line of the Info window, a heading.</extracomment>
        <translation>Как играть:</translation>
    </message>
    <message>
        <source>You are the green dot. Get to the blue dot as fast as you can. Use the Arrow keys to navigate through the Maze. The longer you take, the less points you earn. The bigger the Maze(The Window) is, the more points you earn.</source>
        <translation>Вы — зелёная точка. Доберитесь до синей точки как можно быстрее. Двигайтесь по лабиринту клавишами со стрелками. Чем дольше вы идёте, тем меньше очков получаете. Чем больше лабиринт (окно), тем больше очков.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Orvo, made by the Orvo project.</source>
        <translation>Orvo — игра проекта Orvo.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Стиль:</translation>
    </message>
    <message>
        <source>Style %1</source>
        <extracomment>A drawing style to choose; %1 is its number, 1 to 3.</extracomment>
        <translation>Стиль %1</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <extracomment>The colour of the walls and the background.</extracomment>
        <translation>Цвет стен:</translation>
    </message>
    <message>
        <source>Fore Color:</source>
        <extracomment>The colour of the passages and of the main window&apos;s text.</extracomment>
        <translation>Цвет ходов:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Walls: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the walls&apos; colour.</extracomment>
        <translation>Стены: красный</translation>
    </message>
    <message>
        <source>Walls: green</source>
        <translation>Стены: зелёный</translation>
    </message>
    <message>
        <source>Walls: blue</source>
        <translation>Стены: синий</translation>
    </message>
    <message>
        <source>Passages: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the passages&apos; colour.</extracomment>
        <translation>Ходы: красный</translation>
    </message>
    <message>
        <source>Passages: green</source>
        <translation>Ходы: зелёный</translation>
    </message>
    <message>
        <source>Passages: blue</source>
        <translation>Ходы: синий</translation>
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
        <translation>Отмена</translation>
    </message>
</context>
</TS>
