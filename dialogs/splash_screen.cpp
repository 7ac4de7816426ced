#include "dialogs/splash_screen.h"

#include "foundation/help.h"
#include "foundation/program_state.h"
#include "foundation/shutdown.h"
#include "foundation/window_names.h"
#include "platform/registry.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace SplashSupport {

namespace {

const QString WindowName = QLatin1String(WindowNames::SplashScreen);
// The size of our splash pictures, kept when a picture cannot be read.
constexpr QSize PictureSize(480, 300);

SplashScreen::Clock SteadyClock()
{
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    return [started] { return std::int64_t(started->elapsed()); };
}

void CentreOnScreen(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

} // namespace

QString SplashPictureFile(const QString& programFolder, const QString& bitsPerPixel)
{
    bool isNumber = false;
    const int depth = bitsPerPixel.trimmed().toShort(&isNumber);
    const QString suffix = isNumber && depth >= 16 ? QStringLiteral("16") : QStringLiteral("8");
    return programFolder + QStringLiteral("/UI Graphics/Splash") + suffix + QStringLiteral(".bmp");
}

SplashScreen::SplashScreen(std::function<void()> startupTail, Clock clock)
    : startupTail_(std::move(startupTail)), clock_(clock ? std::move(clock) : SteadyClock())
{
    setObjectName(WindowName);
    setWindowTitle(QStringLiteral("Marrowdale"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    SplashTimer.setObjectName(QStringLiteral("SplashTimer"));
    SplashTimer.setInterval(TickMilliseconds);
    connect(&SplashTimer, &QTimer::timeout, this, &SplashScreen::SplashTimer_Timer);
}

SplashScreen::~SplashScreen()
{
    if (!closed_ && handOver_)
        Support::ForgetWindow(WindowName);
}

void SplashScreen::Form_Load()
{
    const Registry::Value depth =
        Registry::QueryValue(QString(), QStringLiteral("BitsPerPixel"), Registry::Root::CurrentConfig,
                             Registry::DisplayPrefix);
    pictureFile_ = SplashPictureFile(Support::Globals().ProgramFolder, depth.ToText());
    // A missing or unreadable picture leaves the window with its name on a
    // plain ground: the start-up goes on and the hand-over still comes.
    if (!picture_.load(pictureFile_))
        picture_ = QPixmap();
    setFixedSize(picture_.isNull() ? PictureSize : picture_.deviceIndependentSize().toSize());
    CentreOnScreen(*this);
    handOver_.emplace(clock_());
    closed_ = false;
    Support::RegisterWindow(WindowName, {[this] { Form_Unload(false); }, {}});
    SplashTimer.start();
}

void SplashScreen::SplashTimer_Timer()
{
    if (closed_ || !handOver_)
        return;
    if (handOver_->ShouldClose(clock_(), Support::Globals().StartupDone))
        Form_Unload(true);
}

void SplashScreen::Form_Unload(bool byOwnTimer)
{
    if (closed_)
        return;
    closed_ = true;
    SplashTimer.stop();
    Support::ForgetWindow(WindowName);
    Support::CloseHelp(this);
    hide();
    const bool runTail =
        byOwnTimer && handOver_ && handOver_->TakeStartupTail(Support::Globals().Quitting);
    if (runTail && startupTail_)
        startupTail_();
    emit Unloaded();
}

void SplashScreen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!picture_.isNull()) {
        painter.drawPixmap(rect(), picture_);
        return;
    }
    painter.fillRect(rect(), QColor(0x3B, 0x2A, 0x1E));
    painter.setPen(QColor(0xF5, 0xE6, 0xC8));
    QFont font = painter.font();
    font.setPixelSize(40);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Marrowdale"));
}

} // namespace SplashSupport
