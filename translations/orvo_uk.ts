<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>Clock</name>
    <message>
        <source>Time: %1  N = New Game  Esc = End  I = Info</source>
        <extracomment>The line under the maze. %1 is the time, such as 03:07. N, Esc and I are the keys themselves and stay so.</extracomment>
        <translation>Час: %1  N = Нова гра  Esc = Вихід  I = Довідка</translation>
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
        <translation>зайвий аргумент «%1».</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>після --data-dir слід вказати теку.</translation>
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
        <translation>Використання: orvo [--data-dir ТЕКА]
Проведіть зелену точку випадковим лабіринтом до синьої точки на час.

Параметри:
  --data-dir ТЕКА  читати й записувати файли даних у теці ТЕКА
  -h, --help       показати цю довідку і вийти
  -v, --version    показати версію і вийти

Також приймаються стандартні параметри Qt, як-от -platform НАЗВА,
-style НАЗВА, -reverse і -session ID (ним користуються менеджери сеансів).

Без --data-dir файли даних зберігаються поруч із програмою, якщо там є хоча б
один із них, а інакше — у $XDG_DATA_HOME/orvo (~/.local/share/orvo).
</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>невідомий параметр «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>невідомі параметри: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>не вказано значення після «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>зайве значення після «%1».</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>it is empty.</source>
        <translation>файл порожній.</translation>
    </message>
    <message>
        <source>it has too few fields.</source>
        <translation>у файлі замало полів.</translation>
    </message>
    <message>
        <source>a text field has no closing quote.</source>
        <translation>у текстовому полі бракує закривних лапок.</translation>
    </message>
    <message>
        <source>the high score is not a whole number from 0 to %1.</source>
        <translation>рекорд не є цілим числом від 0 до %1.</translation>
    </message>
    <message>
        <source>the fore colour is not a whole number from %1 to %2.</source>
        <translation>колір шляхів не є цілим числом від %1 до %2.</translation>
    </message>
    <message>
        <source>the back colour is not a whole number from %1 to %2.</source>
        <translation>колір стін не є цілим числом від %1 до %2.</translation>
    </message>
    <message>
        <source>the style is not a whole number from %1 to %2.</source>
        <translation>стиль не є цілим числом від %1 до %2.</translation>
    </message>
    <message>
        <source>Orvo cannot start: %1: %2</source>
        <extracomment>%1 is the file with its folder, %2 what is wrong with it.</extracomment>
        <translation>Orvo не вдається запуститися: %1: %2</translation>
    </message>
    <message>
        <source>Orvo could not save %1 (%2). The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <extracomment>%1 is the file with its folder, %2 why it could not be saved.</extracomment>
        <translation>Orvo не вдалося зберегти %1 (%2). У файлі лишився попередній вміст; до виходу з гри діють нові значення.</translation>
    </message>
    <message>
        <source>Orvo could not save %1. The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <translation>Orvo не вдалося зберегти %1. У файлі лишився попередній вміст; до виходу з гри діють нові значення.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>файл не вдається прочитати (%1)</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>файлу немає</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>це тека, а не файл</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>це не звичайний файл</translation>
    </message>
    <message>
        <source>the folder for the game&apos;s files cannot be made</source>
        <translation>не вдається створити теку для файлів гри</translation>
    </message>
    <message>
        <source>its default is missing from the program</source>
        <translation>у програмі немає типового вмісту цього файлу</translation>
    </message>
    <message>
        <source>its default cannot be written (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>не вдається записати типовий вміст файлу (%1)</translation>
    </message>
    <message>
        <source>Orvo wrote the default %1 into %2.</source>
        <extracomment>%1 is the file, %2 the folder.</extracomment>
        <translation>До теки %2 записано типовий файл %1.</translation>
    </message>
    <message>
        <source>&lt;No One&gt;</source>
        <translation>&lt;Ніхто&gt;</translation>
    </message>
    <message>
        <source>another game is saving and holds %1</source>
        <extracomment>%1 is the lock file with its folder.</extracomment>
        <translation>інша запущена гра саме зберігає дані й заблокувала файл %1</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>не вдається створити файл %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations! You did it! Your Score: %1</source>
        <extracomment>%1 is the score with a space before it (or a minus sign), so the English text shows two spaces before the score.</extracomment>
        <translation>Вітаємо! Вам удалося! Ваш результат:%1</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>Вам удалося!</translation>
    </message>
    <message>
        <source>New High Score! Enter your Name!</source>
        <translation>Новий рекорд! Введіть своє ім’я!</translation>
    </message>
    <message>
        <source>High Score!</source>
        <translation>Рекорд!</translation>
    </message>
    <message>
        <source>Meanwhile another game saved a high score of %1 by %2. Yours does not beat it and is not saved.</source>
        <extracomment>%1 is the high score another game saved (as high as this one or higher), %2 its holder.</extracomment>
        <translation>Тим часом інша запущена гра зберегла рекорд: %1 — %2. Ваш результат його не перевищує й не буде збережений.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Instructions:</source>
        <extracomment>The first line of the Info window, a heading.</extracomment>
        <translation>Як грати:</translation>
    </message>
    <message>
        <source>You are the green dot. Get to the blue dot as fast as you can. Use the Arrow keys to navigate through the Maze. The longer you take, the less points you earn. The bigger the Maze(The Window) is, the more points you earn.</source>
        <translation>Ви — зелена точка. Дістаньтеся до синьої точки якомога швидше. Рухайтеся лабіринтом за допомогою клавіш зі стрілками. Що довше ви йдете, то менше балів отримуєте. Що більший лабіринт (вікно), то більше балів.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Orvo, made by the Orvo project.</source>
        <translation>Orvo — гра проєкту Orvo.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметри</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Options</source>
        <translation>Параметри</translation>
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
        <translation>Стіни:</translation>
    </message>
    <message>
        <source>Fore Color:</source>
        <extracomment>The colour of the passages and of the main window&apos;s text.</extracomment>
        <translation>Шляхи:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Walls: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the walls&apos; colour.</extracomment>
        <translation>Стіни: червоний</translation>
    </message>
    <message>
        <source>Walls: green</source>
        <translation>Стіни: зелений</translation>
    </message>
    <message>
        <source>Walls: blue</source>
        <translation>Стіни: синій</translation>
    </message>
    <message>
        <source>Passages: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the passages&apos; colour.</extracomment>
        <translation>Шляхи: червоний</translation>
    </message>
    <message>
        <source>Passages: green</source>
        <translation>Шляхи: зелений</translation>
    </message>
    <message>
        <source>Passages: blue</source>
        <translation>Шляхи: синій</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
</TS>
