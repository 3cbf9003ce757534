<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Clock</name>
    <message>
        <source>Time: %1  N = New Game  Esc = End  I = Info</source>
        <extracomment>The line under the maze. %1 is the time, such as 03:07. N, Esc and I are the keys themselves and stay so.</extracomment>
        <translation>Tempo: %1  N = Novo jogo  Esc = Sair  I = Info</translation>
    </message>
    <message>
        <source>Highscore:%1 by %2</source>
        <extracomment>The line above the maze. %1 is the score with the space before it (or a minus sign), %2 the holder&apos;s name.</extracomment>
        <translation>Recorde:%1 de %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argumento inesperado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>--data-dir precisa de uma pasta.</translation>
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
        <translation>Uso: orvo [--data-dir PASTA]
Leve o ponto verde por um labirinto aleatório até o ponto azul, contra o
relógio.

Opções:
  --data-dir PASTA  lê e grava os arquivos de dados em PASTA
  -h, --help        mostra esta ajuda e sai
  -v, --version     mostra a versão e sai

As opções padrão do Qt também são aceitas, como -platform NOME,
-style NOME, -reverse e -session ID (usada pelos gerenciadores de sessão).

Sem --data-dir, os arquivos de dados ficam ao lado do programa se algum deles
já estiver lá; caso contrário, em $XDG_DATA_HOME/orvo (~/.local/share/orvo).
</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>opção desconhecida &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>opções desconhecidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>falta um valor após &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>valor inesperado após &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>it is empty.</source>
        <translation>está vazio.</translation>
    </message>
    <message>
        <source>it has too few fields.</source>
        <translation>tem campos de menos.</translation>
    </message>
    <message>
        <source>a text field has no closing quote.</source>
        <translation>um campo de texto não tem as aspas de fechamento.</translation>
    </message>
    <message>
        <source>the high score is not a whole number from 0 to %1.</source>
        <translation>o recorde não é um número inteiro entre 0 e %1.</translation>
    </message>
    <message>
        <source>the fore colour is not a whole number from %1 to %2.</source>
        <translation>a cor do chão não é um número inteiro entre %1 e %2.</translation>
    </message>
    <message>
        <source>the back colour is not a whole number from %1 to %2.</source>
        <translation>a cor dos muros não é um número inteiro entre %1 e %2.</translation>
    </message>
    <message>
        <source>the style is not a whole number from %1 to %2.</source>
        <translation>o estilo não é um número inteiro entre %1 e %2.</translation>
    </message>
    <message>
        <source>Orvo cannot start: %1: %2</source>
        <extracomment>%1 is the file with its folder, %2 what is wrong with it.</extracomment>
        <translation>O Orvo não pode iniciar: %1: %2</translation>
    </message>
    <message>
        <source>Orvo could not save %1 (%2). The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <extracomment>%1 is the file with its folder, %2 why it could not be saved.</extracomment>
        <translation>O Orvo não conseguiu salvar %1 (%2). O arquivo mantém o conteúdo anterior; o jogo usa os novos valores até ser fechado.</translation>
    </message>
    <message>
        <source>Orvo could not save %1. The file keeps its earlier content; the game goes on with the new values until it ends.</source>
        <translation>O Orvo não conseguiu salvar %1. O arquivo mantém o conteúdo anterior; o jogo usa os novos valores até ser fechado.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>não pode ser lido (%1)</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>não existe</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>the folder for the game&apos;s files cannot be made</source>
        <translation>não é possível criar a pasta dos arquivos do jogo</translation>
    </message>
    <message>
        <source>its default is missing from the program</source>
        <translation>o programa não inclui a versão padrão do arquivo</translation>
    </message>
    <message>
        <source>its default cannot be written (%1)</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>não é possível gravar a versão padrão do arquivo (%1)</translation>
    </message>
    <message>
        <source>Orvo wrote the default %1 into %2.</source>
        <extracomment>%1 is the file, %2 the folder.</extracomment>
        <translation>O Orvo criou o arquivo padrão %1 em %2.</translation>
    </message>
    <message>
        <source>&lt;No One&gt;</source>
        <translation>&lt;Ninguém&gt;</translation>
    </message>
    <message>
        <source>another game is saving and holds %1</source>
        <extracomment>%1 is the lock file with its folder.</extracomment>
        <translation>outra partida está salvando e mantém %1 bloqueado</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>não é possível criar %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations! You did it! Your Score: %1</source>
        <extracomment>%1 is the score with a space before it (or a minus sign), so the English text shows two spaces before the score.</extracomment>
        <translation>Parabéns! Você conseguiu! Sua pontuação:%1</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>Você conseguiu!</translation>
    </message>
    <message>
        <source>New High Score! Enter your Name!</source>
        <translation>Novo recorde! Digite seu nome!</translation>
    </message>
    <message>
        <source>High Score!</source>
        <translation>Recorde!</translation>
    </message>
    <message>
        <source>Meanwhile another game saved a high score of %1 by %2. Yours does not beat it and is not saved.</source>
        <extracomment>%1 is the high score another game saved (as high as this one or higher), %2 its holder.</extracomment>
        <translation>Enquanto isso, outra partida salvou um recorde: %1 de %2. Sua pontuação não supera esse recorde e não será salva.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Instructions:</source>
        <extracomment>The first line of the Info window, a heading.</extracomment>
        <translation>Instruções:</translation>
    </message>
    <message>
        <source>You are the green dot. Get to the blue dot as fast as you can. Use the Arrow keys to navigate through the Maze. The longer you take, the less points you earn. The bigger the Maze(The Window) is, the more points you earn.</source>
        <translation>Você é o ponto verde. Chegue ao ponto azul o mais rápido que puder. Use as setas do teclado para andar pelo labirinto. Quanto mais você demora, menos pontos ganha. Quanto maior o labirinto (a janela), mais pontos você ganha.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Orvo, made by the Orvo project.</source>
        <translation>Orvo, feito pelo projeto Orvo.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
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
        <translation>Chão:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Walls: red</source>
        <extracomment>How a screen reader names a colour bar: the red part of the walls&apos; colour.</extracomment>
        <translation>Muros: vermelho</translation>
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
        <translation>Chão: vermelho</translation>
    </message>
    <message>
        <source>Passages: green</source>
        <translation>Chão: verde</translation>
    </message>
    <message>
        <source>Passages: blue</source>
        <translation>Chão: azul</translation>
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
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
