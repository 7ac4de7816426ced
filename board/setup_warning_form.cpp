#include "board/setup_warning_form.h"

#include "foundation/modal_host.h"
#include "foundation/program_state.h"
#include "foundation/skin.h"
#include "foundation/window_shape.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace BoardSupport {

namespace {

// The skinned layout, in pixels of the background picture (400 x 230).
constexpr QSize SkinnedSize(400, 230);
constexpr QRect IconRect(24, 64, 32, 32);
constexpr QRect MessageRect(72, 50, 310, 130);
constexpr QRect OkRect(100, 188, 90, 26);
constexpr QRect CancelRect(210, 188, 90, 26);
// Without the picture's frame every control moves 750 twips left and 200
// up, and the window is 900 twips narrower and 400 lower.
constexpr Support::PlainLayoutShift PlainLayout{50, 13, 60, 27};
constexpr int WarningIcon = 2;
constexpr int SmallestPointSize = 6;

} // namespace

SetupWarningForm::SetupWarningForm()
    : OkButton(*this, QStringLiteral("OkButton"), OkRect, QStringLiteral("OKButtonS")),
      CancelButton(*this, QStringLiteral("CancelButton"), CancelRect)
{
    setObjectName(QStringLiteral("SetupWarningForm"));
    setWindowTitle(QStringLiteral("Setup warnings"));
    setFixedSize(SkinnedSize);

    MessageIcon = new QLabel(this);
    MessageIcon->setObjectName(QStringLiteral("MessageIcon"));
    MessageIcon->setGeometry(IconRect);
    MessageIcon->setPixmap(
        QPixmap(Support::Globals().ProgramFolder + QStringLiteral("/Icons/MsgIcon%1.png").arg(WarningIcon)));

    WarningMessage = new QLabel(QStringLiteral("ErrorMessage"), this);
    WarningMessage->setObjectName(QStringLiteral("WarningMessage"));
    WarningMessage->setTextFormat(Qt::PlainText);
    WarningMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    WarningMessage->setGeometry(MessageRect);

    OKButtonS = OkButton.plainTwin;
    CancelButtonS = CancelButton.plainTwin;
    connect(&OkButton, &Support::SkinnedButton::Clicked, this, &SetupWarningForm::OkButtonFace_Click);
    connect(&CancelButton, &Support::SkinnedButton::Clicked, this, &SetupWarningForm::CancelButtonFace_Click);
}

bool SetupWarningForm::Form_Load(bool simpleUI)
{
    simpleUI_ = simpleUI;
    closedByButton_ = false;
    WindowShape::EnableBackgroundDrag(*this);
    if (simpleUI) {
        SetSimpleUI();
        return true;
    }
    WindowShape::ApplyWindowShape(*this);
    if (!Support::ApplySkin(*this))
        return false;
    OkButton.ShowSkinned(QStringLiteral("OK"));
    CancelButton.ShowSkinned(QStringLiteral("Cancel"));
    return true;
}

void SetupWarningForm::SetSimpleUI()
{
    OkButton.HideSkinned();
    CancelButton.HideSkinned();
    OKButtonS->setText(QStringLiteral("&OK"));
    CancelButtonS->setText(QStringLiteral("&Cancel"));
    OKButtonS->show();
    CancelButtonS->show();
    MessageIcon->hide();
    WarningMessage->setFrameStyle(QFrame::Box | QFrame::Plain);
    WarningMessage->setMargin(4);
    Support::ShiftIntoPlainLayout(*this, PlainLayout);
}

void SetupWarningForm::SetWarnings(const QString& text)
{
    WarningMessage->setText(text);
    // Every warning keeps its own line and both colours' blocks fit the
    // box: a long list is set smaller.
    QFont font = WarningMessage->font();
    auto tooLarge = [this] {
        const QSize needed = WarningMessage->sizeHint();
        return needed.width() > WarningMessage->width() || needed.height() > WarningMessage->height();
    };
    while (tooLarge() && font.pointSize() > SmallestPointSize) {
        font.setPointSize(font.pointSize() - 1);
        WarningMessage->setFont(font);
    }
}

void SetupWarningForm::Answer(int canceled)
{
    closedByButton_ = true;
    FormCanceled = canceled;
    hide();
}

void SetupWarningForm::OkButtonFace_Click()
{
    Answer(0);
}

void SetupWarningForm::CancelButtonFace_Click()
{
    Answer(1);
}

void SetupWarningForm::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OkButtonFace_Click();
        return;
    case Qt::Key_Escape:
        CancelButtonFace_Click();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void SetupWarningForm::closeEvent(QCloseEvent* event)
{
    // The caller reads the answer after the window has hidden: a close
    // before any button is the Cancel button.
    event->ignore();
    if (!closedByButton_)
        CancelButtonFace_Click();
}

void SetupWarningForm::reject()
{
    if (!closedByButton_)
        CancelButtonFace_Click();
}

bool AskSetupWarnings(const std::string& warnings, bool simpleUI)
{
    SetupWarningForm window;
    if (!window.Form_Load(simpleUI))
        return false;
    window.SetWarnings(QString::fromStdString(warnings));
    Support::CurrentModalHost().RunModal(window);
    return window.FormCanceled == 0;
}

} // namespace BoardSupport
