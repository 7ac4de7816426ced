#pragma once
// What the tray icon says: not connected, a new move arrived, or nothing
// new, with its tool tip and its picture among the six icon sets.

#include <QString>

namespace SysTraySupport {

enum TrayIconState : int { NothingNew = 1, NewMoveArrived = 2, NotConnected = 3 };

// What SetTrayIcon is asked to do.
enum TrayAction : int { TrayAdd = 0, TrayModify = 1, TrayDelete = 2 };

struct TrayStateChoice {
    int State = NothingNew;
    QString Tip;
    bool operator==(const TrayStateChoice&) const = default;
};

// Off-line (unless in stand-alone mode) comes first, then a new move.
TrayStateChoice ChooseTrayState(bool mailOffline, bool standAloneMode, bool newArrivalsExist);

// The tip the polling step shows when a retrieval lost the mail connection.
inline const QString LostConnectionTip = QStringLiteral("Marrowdale v1 - Not connected");

// The 1-based picture of TrayIconSets for the icon set (the SysTrayIcons
// setting, 1 to 6; others count as 1) and the state.
int TrayIconImage(int sysTrayIcons, int state);

// The game list's caption when it stands in for the tray icon:
// "Marrowdale : " and the part of the tip after its first " - ".
QString GameListStateCaption(const QString& tip);

// Whether some stored game has a move for the user (GAME_STATUS 1).
bool NewArrivalsExist();

} // namespace SysTraySupport
