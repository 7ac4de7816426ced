#include "shell/status_window.h"

#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/shutdown.h"
#include "foundation/skin.h"
#include "foundation/window_names.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

namespace Support {

namespace {

// The skinned layout, in pixels of the background picture (330 x 77): the
// icon and the text sit on the middle line of the picture's inner band.
constexpr QSize DesignSize(330, 77);
constexpr QRect IconRect(40, 30, 16, 16);
constexpr QRect TextRect(64, 26, 186, 16);
// What the mail waits for, in small type under the text, and Cancel at the
// right end of the band.
constexpr QRect WaitRect(64, 42, 186, 14);
constexpr QRect CancelRect(252, 26, 62, 24);
constexpr int WaitRefreshMs = 100;
// The plain layout (left 250 and up 375 twips; 450 twips narrower and 750
// twips lower).
constexpr PlainLayoutShift PlainLayout{17, 25, 30, 50};
// The "waiting" picture of the status icon strip.
constexpr int WorkingIconCell = 1;
constexpr int StatusIconSize = 16;

QPointer<StatusWindow> openWindow;
StatusMailHooks mailHooks;
const QString WindowName = QLatin1String(WindowNames::StatusWindow);

void CentreOnScreen(QWidget& window)
{
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
    }
}

} // namespace

StatusWindow::StatusWindow()
{
    setObjectName(WindowName);
    setWindowTitle(QStringLiteral("Marrowdale"));
    setWindowFlag(Qt::Tool, true);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    setFixedSize(DesignSize);

    StatusIcon = new QLabel(this);
    StatusIcon->setObjectName(QStringLiteral("StatusIcon"));
    StatusIcon->setGeometry(IconRect);
    const QPixmap strip(Globals().ProgramFolder + QStringLiteral("/Icons/StatusIcons.png"));
    if (!strip.isNull())
        StatusIcon->setPixmap(
            strip.copy(WorkingIconCell * StatusIconSize, 0, StatusIconSize, StatusIconSize));

    StatusText = new QLabel(QStringLiteral("Status text"), this);
    StatusText->setObjectName(QStringLiteral("StatusText"));
    StatusText->setTextFormat(Qt::PlainText);
    StatusText->setGeometry(TextRect);
    StatusText->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    WaitText = new QLabel(this);
    WaitText->setObjectName(QStringLiteral("WaitText"));
    WaitText->setTextFormat(Qt::PlainText);
    WaitText->setGeometry(WaitRect);
    QFont small = WaitText->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    WaitText->setFont(small);
    WaitText->hide();

    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setGeometry(CancelRect);
    CancelButton->hide();
    connect(CancelButton, &QPushButton::clicked, this, &StatusWindow::CancelButton_Click);

    // The mail thread changes what it waits for without telling the window.
    waitTimer_.setInterval(WaitRefreshMs);
    connect(&waitTimer_, &QTimer::timeout, this, &StatusWindow::RefreshWait);
    waitTimer_.start();
    RefreshWait();
}

void StatusWindow::RefreshWait()
{
    const bool busy = mailHooks.Busy && mailHooks.Busy();
    const QString waiting = busy && mailHooks.Waiting ? mailHooks.Waiting() : QString();
    if (WaitText->text() != waiting)
        WaitText->setText(waiting);
    WaitText->setVisible(!waiting.isEmpty());
    CancelButton->setVisible(busy && mailHooks.Cancel);
    if (!busy)
        CancelButton->setEnabled(true);
}

void StatusWindow::CancelButton_Click()
{
    if (!mailHooks.Cancel)
        return;
    CancelButton->setEnabled(false);
    mailHooks.Cancel();
}

void SetStatusMailHooks(StatusMailHooks hooks)
{
    mailHooks = std::move(hooks);
    if (openWindow)
        openWindow->RefreshWait();
}

bool StatusWindow::Form_Load(bool simpleUI)
{
    return LoadSkinnedOrPlain(*this, simpleUI, [this] { SetSimpleUI(); });
}

void StatusWindow::SetSimpleUI()
{
    ShiftIntoPlainLayout(*this, PlainLayout);
    // The plain window is one line high: the text and what the mail waits
    // for share it as two lines of small type.
    StatusText->setFont(WaitText->font());
    StatusText->resize(TextRect.width(), 13);
    WaitText->setGeometry(StatusText->x(), StatusText->y() + 13, TextRect.width(), 13);
}

void ShowStatus(bool visible, const QString& statusText)
{
    if (!visible) {
        if (openWindow) {
            Support::ForgetWindow(WindowName);
            openWindow->hide();
            delete openWindow.data();
        }
        return;
    }
    if (!openWindow) {
        auto* window = new StatusWindow;
        if (!window->Form_Load(ProgramSettings().SimpleUI)) {
            delete window;
            return;
        }
        openWindow = window;
        CentreOnScreen(*window);
        // The end of the program closes it with every other window.
        Support::RegisterWindow(WindowName, {[] { ShowStatus(false); }, {}});
    }
    openWindow->StatusText->setText(statusText);
    openWindow->RefreshWait();
    openWindow->show();
    openWindow->raise();
    openWindow->repaint();
    // The caller goes on working without returning to the event loop: let
    // the window system put the window up now.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

StatusWindow* OpenStatusWindow()
{
    return openWindow.data();
}

StatusStepsAside::StatusStepsAside()
{
    if (openWindow && openWindow->isVisible()) {
        hidden_ = openWindow.data();
        hidden_->hide();
    }
}

StatusStepsAside::~StatusStepsAside()
{
    if (hidden_ && openWindow == hidden_)
        hidden_->show();
}

} // namespace Support
