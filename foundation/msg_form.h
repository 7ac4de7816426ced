#pragma once
// The program's message window. Only Support::ShowMessage drives it: it
// loads the window, fills it, shows it through the modal host and reads the
// answer once the window has hidden itself.
//
// Keys: Enter always answers OK; Escape answers Cancel while a Cancel
// button is shown and OK otherwise; closing the window from the window
// manager counts as Escape.

#include "foundation/answering_dialog.h"
#include "foundation/notification_timeout.h"
#include "foundation/skinned_button.h"
#include "store/message_sink.h"

#include <QList>
#include <QPixmap>

class QLabel;
class QPushButton;

namespace Support {

class MsgForm : public AnsweringDialog<DialogAnswer> {
    Q_OBJECT
public:
    MsgForm();

    // Lays the window out skinned (shaped and skinned) or plain. False when
    // the skin could not be applied: the window must not be shown.
    bool Form_Load(bool simpleUI);

    // Fill the window as one message needs it (the caller's steps).
    void SetCaption(const QString& caption);
    void SetMessageText(const QString& text); // "|" separates lines; a long text makes the box taller
    void SetButtons(const QString& okCaption, const QString& cancelCaption);
    void SetIcon(MsgIcon icon);   // a value outside MsgIcon shows Information
    void StartTimeout(int ticks); // 0: never

    bool CancelShown() const;

    // Controls, by the names the skin and the button routines look up.
    QLabel* FormCaption;
    QLabel* Message;
    QLabel* MessageIcon;
    QLabel* MessageBorder_L;
    SkinnedButton OkButton;
    SkinnedButton CancelButton;
    QPushButton* OKButtonS;
    QPushButton* CancelButtonS;
    NotificationTicker TimeoutTicker;
    QList<QPixmap> IconList;

public slots:
    void OkButtonFace_Click();
    void CancelButtonFace_Click();
    void TimeoutTicker_Timer();

protected:
    void SetSimpleUI() override;
    void EnterPressed() override;
    void EscapePressed() override;
    void Answering() override;

private:
    void FitMessage();
};

// Where the lone OK button goes: the middle of the span from OK's left to
// Cancel's right, rounded half to even.
int CentredOkLeft(int okLeft, int okWidth, int cancelLeft, int cancelWidth);

} // namespace Support
