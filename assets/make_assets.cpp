// make-assets PROGRAM_FOLDER [ICON_THEME_FOLDER]: writes the program's own
// artwork and sounds (two skins, two chess sets with their boards, icons,
// splash pictures, sound cues) into the program folder, and the program icon
// at the desktop's sizes into the icon theme's folder. Run by the build.

#include "assets/art.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: make-assets PROGRAM_FOLDER [ICON_THEME_FOLDER]\n");
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
    if (argc == 3)
        Art::MakeThemeIcons(QString::fromLocal8Bit(argv[2]));
    return 0;
}
