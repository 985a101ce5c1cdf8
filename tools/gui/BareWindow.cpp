// The yardstick of start-up: a bare Qt window with a media player playing the program's first piece,
// the size of the start window. tools/benchmark.sh times both from launch to the window mapped.

#include <QApplication>
#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMediaPlayer player;
    QAudioOutput output;
    player.setAudioOutput(&output);
    if (argc > 1)
        player.setSource(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])));
    player.play();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Zentrimo"));
    window.resize(201, 233);
    window.show();
    return QApplication::exec();
}
