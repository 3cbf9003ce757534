// The yardstick for start-up time: an empty Qt Widgets window of the game's
// size, started the same way as the game.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.resize(666, 386);
    window.show();
    return app.exec();
}
