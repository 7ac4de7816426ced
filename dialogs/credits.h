#pragma once
// The scrolling credits: a small modal window whose list rolls upward until
// a click, Escape, the close button or any attempt to close the window
// asks it to stop; the next tick of its timer closes it. Opened from the
// about box and from the board's logo, without pausing the mail.

#include "dialogs/credit_roll.h"
#include "foundation/answering_dialog.h"

#include <QLabel>
#include <QTimer>

namespace CreditsSupport {

// The rolling list: black ground, each row's text centred in its colour.
class CreditList : public QWidget {
    Q_OBJECT
public:
    CreditList(QWidget* parent, const CreditRoll& roll);

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const CreditRoll& roll_;
};

// A picture that reports a left click.
class ClickablePicture : public QLabel {
    Q_OBJECT
public:
    explicit ClickablePicture(QWidget* parent) : QLabel(parent) { }

signals:
    void Clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class Credits : public Support::DialogWindow {
    Q_OBJECT
public:
    Credits();
    ~Credits() override;

    // Lays the window out skinned or plain and starts the roll. False when
    // the skin could not be applied: the window must not be shown.
    bool Form_Load(bool simpleUI);
    void SetSimpleUI() override;

    const CreditRoll& Roll() const { return roll_; }

    CreditList* CreditListView; // named "CreditList"
    QTimer Timer1;
    ClickablePicture* CloseButton;
    QLabel* Image1;

public slots:
    void Timer1_Timer();
    void CloseButton_Click();

protected:
    // Escape, like every closing gesture, only asks for the stop.
    void EscapePressed() override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SetToolTips();
    void Form_Unload();

    CreditRoll roll_;
    bool unloaded_ = false;
};

// Shows the credits modally, skinned or plain as the SimpleUI setting says.
void RunCredits();

} // namespace CreditsSupport
