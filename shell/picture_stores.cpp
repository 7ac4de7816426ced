#include "shell/picture_stores.h"

#include "foundation/picture_clip.h"
#include "foundation/program_state.h"
#include "shell/image_list.h"

#include <QPixmap>

namespace SysTraySupport {

namespace {

constexpr int TrayIconSize = 16;
constexpr int TrayIconCount = 18;

} // namespace

void AddPictureStores(QWidget& tray)
{
    if (!FindIconSet(tray))
        new ImageList(&tray, IconSetName);
    if (!FindChessSet(tray))
        new Support::PictureClip(&tray, ChessSetName, ChessSetRows, ChessSetColumns);
    if (!tray.findChild<Support::PictureClip*>(PreviewChessSetName))
        new Support::PictureClip(&tray, PreviewChessSetName, ChessSetRows, ChessSetColumns);
    if (!tray.findChild<Support::PictureClip*>(ButtonImagesName))
        new Support::PictureClip(&tray, ButtonImagesName, 1, 2);
    if (!FindTrayIconSets(tray))
        new ImageList(&tray, TrayIconSetsName);
}

ImageList* FindIconSet(QWidget& tray)
{
    return tray.findChild<ImageList*>(IconSetName, Qt::FindDirectChildrenOnly);
}

Support::PictureClip* FindChessSet(QWidget& tray)
{
    return tray.findChild<Support::PictureClip*>(ChessSetName, Qt::FindDirectChildrenOnly);
}

ImageList* FindTrayIconSets(QWidget& tray)
{
    return tray.findChild<ImageList*>(TrayIconSetsName, Qt::FindDirectChildrenOnly);
}

bool LoadTrayIconSets(QWidget& tray)
{
    ImageList* sets = FindTrayIconSets(tray);
    if (!sets)
        return false;
    const QPixmap strip(Support::Globals().ProgramFolder + QStringLiteral("/Icons/TrayIconSets.png"));
    if (strip.isNull() || strip.width() < TrayIconSize * TrayIconCount)
        return false;
    QList<QPixmap> icons;
    for (int i = 0; i < TrayIconCount; ++i)
        icons.append(strip.copy(i * TrayIconSize, 0, TrayIconSize, TrayIconSize));
    sets->Replace(icons);
    return true;
}

} // namespace SysTraySupport
