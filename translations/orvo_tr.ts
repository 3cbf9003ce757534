<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>Clock</name>
    <message>
        <source>Time: %1  N = New Game  Esc = End  I = Info</source>
        <extracomment>The line under the maze. %1 is the time, such as 03:07. N, Esc and I are the keys themselves and stay so.</extracomment>
        <translation>Süre: %1  N = Yeni oyun  Esc = Çıkış  I = Bilgi</translation>
    </message>
    <message>
        <source>Highscore:%1 by %2</source>
        <extracomment>The line above the maze. %1 is the score with the space before it (or a minus sign), %2 the holder&apos;s name.</extracomment>
        <translation>Rekor:%1 – %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>beklenmeyen argüman “%1”.</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>--data-dir bir klasör gerektirir.</translation>
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
        <translation>Kullanım: orvo [--data-dir KLASÖR]
Yeşil noktayı zamana karşı rastgele bir labirentten geçirip mavi noktaya
ulaştırın.

Seçenekler:
  --data-dir KLASÖR  veri dosyalarını KLASÖR içinde okur ve yazar
  -h, --help         bu yardımı gösterir ve çıkar
  -v, --version      sürümü gösterir ve çıkar

Qt&apos;nin standart seçenekleri de kabul edilir; örneğin -platform AD, -style AD,
-reverse ve -session ID (bunu oturum yöneticileri kullanır).

--data-dir verilmezse veri dosyaları, içlerinden biri programın yanında varsa
orada, yoksa $XDG_DATA_HOME/orvo (~/.local/share/orvo) içinde tutulur.
</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>bilinmeyen seçenek “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>bilinmeyen seçenekler: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1” seçeneğinden sonra değer eksik.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1” seçeneğinden sonra beklenmeyen değer.</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>it is empty.</source>
        <translation>dosya boş.</translation>
    </message>
    <message>
        <source>it has too few fields.</source>
        <translation>dosyada çok az alan var.</translation>
    </message>
    <message>
        <source>a text field has no closing quote.</source>
        <translation>bir metin alanının kapanış tırnağı eksik.</translation>
    </message>
    <message>
        <source>the high score is not a whole number from 0 to %1.</source>
        <translation>rekor, 0 ile %1 arasında bir tam sayı değil.</translation>
    </message>
    <message>
        <source>the fore colour is not a whole number from %1 to %2.</source>
        <translation>yol rengi, %1 ile %2 arasında bir tam sayı değil.</translation>
    </message>
    <message>
        <source>the back colour is not a whole number from %1 to %2.</source>
        <translation>duvar rengi, %1 ile %2 arasında bir tam sayı değil.</translation>
    </message>
    <message>
        <source>the style is not a whole number from %1 to %2.</source>
        <translation>biçem, %1 ile %2 arasında bir tam sayı değil.</translation>
    </message>
    <message>
        <source>Orvo cannot start: %1: %2</source>
        <extracomment>%1 is the file with its folder, %2 what is wrong with it.</extracomment>
        <translation>Orvo başlatılamıyor: %1: %2</translation>
    </message>
    <message>
        <source>Orvo could not save %1 (%2). The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <extracomment>%1 is the file with its folder, %2 why it could not be saved.</extracomment>
        <translation>Orvo, %1 dosyasını kaydedemedi (%2). Dosya önceki içeriğini koruyor; oyun kapanana kadar yeni değerlerle devam ediyor.</translation>
    </message>
    <message>
        <source>Orvo could not save %1. The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <translation>Orvo, %1 dosyasını kaydedemedi. Dosya önceki içeriğini koruyor; oyun kapanana kadar yeni değerlerle devam ediyor.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>dosya okunamıyor (%1)</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>dosya bulunamadı</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>bu bir dosya değil, klasör</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>bu normal bir dosya değil</translation>
    </message>
    <message>
        <source>the folder for the game&apos;s files cannot be made</source>
        <translation>oyunun dosyaları için klasör oluşturulamıyor</translation>
    </message>
    <message>
        <source>its default is missing from the program</source>
        <translation>dosyanın öntanımlı içeriği programda yok</translation>
    </message>
    <message>
        <source>its default cannot be written (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>dosyanın öntanımlı içeriği yazılamıyor (%1)</translation>
    </message>
    <message>
        <source>Orvo wrote the default %1 into %2.</source>
        <extracomment>%1 is the file, %2 the folder.</extracomment>
        <translation>Orvo, öntanımlı %1 dosyasını %2 klasörüne yazdı.</translation>
    </message>
    <message>
        <source>&lt;No One&gt;</source>
        <translation>&lt;Kimse&gt;</translation>
    </message>
    <message>
        <source>another game is saving and holds %1</source>
        <extracomment>%1 is the lock file with its folder.</extracomment>
        <translation>başka bir oyun şu anda kaydediyor ve %1 dosyasını kilitli tutuyor</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>%1 dosyası oluşturulamıyor</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations! You did it! Your Score: %1</source>
        <extracomment>%1 is the score with a space before it (or a minus sign), so the English text shows two spaces before the score.</extracomment>
        <translation>Tebrikler! Başardınız! Puanınız:%1</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>Başardınız!</translation>
    </message>
    <message>
        <source>New High Score! Enter your Name!</source>
        <translation>Yeni rekor! Adınızı girin!</translation>
    </message>
    <message>
        <source>High Score!</source>
        <translation>Rekor!</translation>
    </message>
    <message>
        <source>Meanwhile another game saved a high score of %1 by %2. Yours does not beat it and is not saved.</source>
        <extracomment>%1 is the high score another game saved (as high as this one or higher), %2 its holder.</extracomment>
        <translation>Bu arada başka bir oyun bir rekor kaydetti: %1 – %2. Puanınız bu rekoru geçmediği için kaydedilmeyecek.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Instructions:</source>
        <extracomment>The first line of the Info window, a heading.</extracomment>
        <translation>Nasıl oynanır:</translation>
    </message>
    <message>
        <source>You are the green dot. Get to the blue dot as fast as you can. Use the Arrow keys to navigate through the Maze. The longer you take, the less points you earn. The bigger the Maze(The Window) is, the more points you earn.</source>
        <translation>Yeşil nokta sizsiniz. Mavi noktaya olabildiğince hızlı ulaşın. Labirentte ok tuşlarıyla ilerleyin. Süre uzadıkça daha az, labirent (pencere) büyüdükçe daha çok puan kazanırsınız.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Orvo, made by the Orvo project.</source>
        <translation>Orvo, Orvo projesinin bir oyunudur.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Ayarlar</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Options</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Biçem:</translation>
    </message>
    <message>
        <source>Style %1</source>
        <extracomment>A drawing style to choose; %1 is its number, 1 to 3.</extracomment>
        <translation>Biçem %1</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <extracomment>The colour of the walls and the background.</extracomment>
        <translation>Duvar rengi:</translation>
    </message>
    <message>
        <source>Fore Color:</source>
        <extracomment>The colour of the passages and of the main window&apos;s text.</extracomment>
        <translation>Yol rengi:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Walls: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the walls&apos; colour.</extracomment>
        <translation>Duvarlar: kırmızı</translation>
    </message>
    <message>
        <source>Walls: green</source>
        <translation>Duvarlar: yeşil</translation>
    </message>
    <message>
        <source>Walls: blue</source>
        <translation>Duvarlar: mavi</translation>
    </message>
    <message>
        <source>Passages: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the passages&apos; colour.</extracomment>
        <translation>Yollar: kırmızı</translation>
    </message>
    <message>
        <source>Passages: green</source>
        <translation>Yollar: yeşil</translation>
    </message>
    <message>
        <source>Passages: blue</source>
        <translation>Yollar: mavi</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
</TS>
