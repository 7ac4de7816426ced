#pragma once
// The new-move notification: the opponent, the game and the comment of the
// opponent's last move, with Play, Next, Game list and Later. The window
// only records the answer and hides; Support::ShowNotification reads it.
// Enter is Play; Escape, closing and the time-out are Later.
//
// What the window shows is worked out without it (NotificationContent), so
// the choice of game, the comment's type and the Next button are tested
// alone.

#include "foundation/answering_dialog.h"
#include "foundation/notification_timeout.h"
#include "foundation/skinned_button.h"
#include "shell/tray_services.h"
#include "store/data_folder.h"

#include <optional>

class QLabel;
class QPushButton;

namespace Support {

struct NotificationContent {
    int GameId = 0;
    QString Opponent;
    QString Title;
    QString Comment;
    // A comment over 100 characters is set smaller and not bold.
    bool LongComment = false;
    // Another game than this one waits in the pending list.
    bool NextEnabled = false;
};

// The content for the first game of the pending list; nothing when the list
// names no game, or its game or moves cannot be read.
std::optional<NotificationContent> LoadNotification(const Database::DataFolder& folder,
                                                    const std::string& pendingMoveList);

class NotifyForm : public AnsweringDialog<SysTraySupport::NotifyChoice> {
    Q_OBJECT
public:
    NotifyForm();

    // Lays the window out skinned or plain. False when the skin failed: the
    // window must not be shown.
    bool Form_Load(bool simpleUI, bool nextEnabled);
    void Show(const NotificationContent& content);
    // Ticks of 30 s before the automatic Later; 0 never.
    void StartTimeout(int ticks);

    QLabel* OpName;
    QLabel* GameName;
    QLabel* MoveComment;
    QLabel* Label3;
    QLabel* opName_L;
    QLabel* GameName_L;
    QLabel* MoveComment_L;
    QLabel* HelpButton;
    SkinnedButton PlayButton;
    SkinnedButton NextButton;
    SkinnedButton GameListButton;
    SkinnedButton LaterButton;
    NotificationTicker TimeoutTicker;

    void TimeoutTicker_Timer();

protected:
    void SetSimpleUI() override;
    void EnterPressed() override;
    void EscapePressed() override;
    int HelpTopic() const override;
    void Answering() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetToolTips();
    void WireButton(SkinnedButton& button, const QString& caption, const QString& plainCaption,
                    SysTraySupport::NotifyChoice choice);
};

// Shows the notification for the first pending game, modally, with mail
// polling paused; the answer as a NotifyChoice. A game that cannot be read
// is reported and answers Later.
int ShowNotification();

} // namespace Support
