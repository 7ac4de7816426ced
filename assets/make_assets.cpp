// make-assets PROGRAM_FOLDER: writes the program's own artwork and sounds
// (two skins, two chess sets with their boards, icons, splash pictures, sound cues)
// into the program folder. Run by the build.

#include "assets/art.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-assets PROGRAM_FOLDER\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    Art::MakeFolder(folder);
    Art::MakeSkin(folder);
    Art::MakeSecondSkin(folder);
    Art::MakeChessSet(folder);
    Art::MakeSecondChessSet(folder);
    Art::MakeIcons(folder);
    Art::MakeSplash(folder);
    Art::MakeSoundCues(folder);
    return 0;
}
