#include "foundation/picture_stores.h"

#include "foundation/program_state.h"

#include <QPixmap>

namespace Support {

namespace {

constexpr int TrayIconSize = 16;
constexpr int TrayIconCount = 18;

} // namespace

PictureStores& Pictures()
{
    static PictureStores stores;
    return stores;
}

PictureGrid* StoreGrid(PictureStores& stores, const QString& name)
{
    if (name == QLatin1String("ButtonImages"))
        return &stores.ButtonImages;
    if (name == QLatin1String("ChessSet"))
        return &stores.ChessSet;
    if (name == QLatin1String("PreviewChessSet"))
        return &stores.PreviewChessSet;
    return nullptr;
}

bool LoadTrayIconSets(PictureStores& stores)
{
    const QPixmap strip(Globals().ProgramFolder + QStringLiteral("/Icons/TrayIconSets.png"));
    if (strip.isNull() || strip.width() < TrayIconSize * TrayIconCount)
        return false;
    QList<QPixmap> icons;
    for (int i = 0; i < TrayIconCount; ++i)
        icons.append(strip.copy(i * TrayIconSize, 0, TrayIconSize, TrayIconSize));
    stores.TrayIconSets.Replace(icons);
    return true;
}

} // namespace Support
