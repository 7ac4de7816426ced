#include "board/setup_warning_form.h"

#include "foundation/modal_host.h"
#include "foundation/program_state.h"
#include "foundation/skin.h"
#include "foundation/window_names.h"
#include "store/message_sink.h"

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
// The plain buttons stand centred under the warnings' box, as far from it
// as from the window's lower edge.
constexpr QPoint PlainOkPos(127, 185);
constexpr QPoint PlainCancelPos(237, 185);
constexpr int WarningIcon = static_cast<int>(Support::MsgIcon::Warning); // its MsgIcon file
constexpr int SmallestPointSize = 6;

} // namespace

SetupWarningForm::SetupWarningForm()
    : AnsweringDialog(Support::DialogAnswer::Cancel),
      OkButton(*this, QStringLiteral("OkButton"), OkRect, QStringLiteral("OK"), QStringLiteral("&OK"),
               QStringLiteral("OKButtonS")),
      CancelButton(*this, QStringLiteral("CancelButton"), CancelRect, QStringLiteral("Cancel"),
                   QStringLiteral("&Cancel"))
{
    setObjectName(QLatin1String(WindowNames::SetupWarningForm));
    setWindowTitle(QStringLiteral("Setup warnings"));
    setFixedSize(SkinnedSize);

    MessageIcon = new QLabel(this);
    MessageIcon->setObjectName(QStringLiteral("MessageIcon"));
    MessageIcon->setGeometry(IconRect);
    MessageIcon->setPixmap(QPixmap(Support::Globals().ProgramFolder
                                   + QStringLiteral("/Icons/MsgIcon%1.png").arg(WarningIcon)));

    WarningMessage = new QLabel(QStringLiteral("ErrorMessage"), this);
    WarningMessage->setObjectName(QStringLiteral("WarningMessage"));
    WarningMessage->setTextFormat(Qt::PlainText);
    WarningMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    WarningMessage->setGeometry(MessageRect);

    OKButtonS = OkButton.plainTwin;
    CancelButtonS = CancelButton.plainTwin;
    connect(&OkButton, &Support::SkinnedButton::Clicked, this, &SetupWarningForm::OkButtonFace_Click);
    connect(&CancelButton, &Support::SkinnedButton::Clicked, this,
            &SetupWarningForm::CancelButtonFace_Click);
    TakeKeysFirst();
}

bool SetupWarningForm::Form_Load(bool simpleUI)
{
    if (!LoadLayout(simpleUI))
        return false;
    OkButton.Show(simpleUI);
    CancelButton.Show(simpleUI);
    return true;
}

void SetupWarningForm::SetSimpleUI()
{
    MessageIcon->hide();
    WarningMessage->setFrameStyle(QFrame::Box | QFrame::Plain);
    WarningMessage->setMargin(4);
    OKButtonS->move(PlainOkPos);
    CancelButtonS->move(PlainCancelPos);
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

void SetupWarningForm::OkButtonFace_Click()
{
    AnswerWith(Support::DialogAnswer::Ok);
}

void SetupWarningForm::CancelButtonFace_Click()
{
    AnswerWith(Support::DialogAnswer::Cancel);
}

void SetupWarningForm::EnterPressed()
{
    OkButtonFace_Click();
}

void SetupWarningForm::EscapePressed()
{
    CancelButtonFace_Click();
}

bool AskSetupWarnings(const std::string& warnings, bool simpleUI)
{
    SetupWarningForm window;
    if (!window.Form_Load(simpleUI))
        return false;
    window.SetWarnings(QString::fromStdString(warnings));
    Support::CurrentModalHost().RunModal(window);
    return window.Answer() == Support::DialogAnswer::Ok;
}

} // namespace BoardSupport
