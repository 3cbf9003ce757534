// A second yardstick for start-up time: the empty window of empty_window.cpp
// with one line of text in the game's font. Its first picture needs the font
// system set up, as the game's first picture does; the difference to the
// empty window is what any first text costs.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Text"));
    window.resize(666, 386);
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(21);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    QLabel line(QStringLiteral("High Score: 0 by <No One>"), &window);
    line.setFont(font);
    line.move(30, 2);
    window.show();
    return app.exec();
}
