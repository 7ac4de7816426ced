#include "shell/tray_state.h"

#include "foundation/program_state.h"
#include "store/database.h"
#include "store/field_list.h"

namespace SysTraySupport {

TrayStateChoice ChooseTrayState(bool mailOffline, bool standAloneMode, bool newArrivalsExist)
{
    if (mailOffline && !standAloneMode)
        return {NotConnected, QStringLiteral("Marrowdale - Not connected")};
    if (newArrivalsExist)
        return {NewMoveArrived, QStringLiteral("Marrowdale - New move arrived")};
    return {NothingNew, QStringLiteral("Marrowdale - Nothing new")};
}

int TrayIconImage(int sysTrayIcons, int state)
{
    const int set = sysTrayIcons >= 1 && sysTrayIcons <= 6 ? sysTrayIcons : 1;
    const int inSet = state >= NothingNew && state <= NotConnected ? state : NothingNew;
    return (set - 1) * 3 + inSet;
}

QString GameListStateCaption(const QString& tip)
{
    return QStringLiteral("Marrowdale : ")
           + QString::fromStdString(Support::GetField(tip.toStdString(), 2, " - "));
}

bool NewArrivalsExist()
{
    const Database::DataFolder folder = Support::ProgramDataFolder();
    std::vector<GameRecord> games;
    return Database::SelectGames(folder, games, "Game_status;1", "") && !games.empty();
}

} // namespace SysTraySupport
