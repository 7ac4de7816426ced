// Saves the whole screen of the current X display as a PNG: the review
// picture of the real program running under Xvfb.
//   screen-grab OUTPUT.png
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screen-grab OUTPUT.png\n");
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !screen->grabWindow(0).save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "screen-grab: cannot grab the screen\n");
        return 1;
    }
    return 0;
}
