#include "foundation/modal_host.h"

#include "foundation/program_state.h"

#include <QEvent>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace Support {

namespace {

// Ends a local event loop when the watched window is hidden or destroyed.
class HideWatcher : public QObject {
public:
    HideWatcher(QWidget& window, QEventLoop& loop) : loop_(loop) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        // A minimised window is hidden by the window system, not answered:
        // only the window's own hide ends the modal display.
        if (event->type() == QEvent::Hide && !event->spontaneous())
            loop_.quit();
        return false;
    }

private:
    QEventLoop& loop_;
};

class ProgramModalHost : public ModalHost {
public:
    void RunModal(QWidget& window) override
    {
        QPointer<QWidget> guarded(&window);
        window.setWindowModality(Qt::ApplicationModal);
        QEventLoop loop;
        HideWatcher watcher(window, loop);
        QObject::connect(&window, &QObject::destroyed, &loop, &QEventLoop::quit);
        window.show();
        window.raise();
        window.activateWindow();
        if (guarded && guarded->isVisible())
            loop.exec(QEventLoop::DialogExec);
        if (guarded)
            guarded->removeEventFilter(&watcher);
    }

    void SystemMessage(SystemMessageIcon icon, const QString& title, const QString& text) override
    {
        QMessageBox box(icon == SystemMessageIcon::Critical  ? QMessageBox::Critical
                        : icon == SystemMessageIcon::Warning ? QMessageBox::Warning
                                                             : QMessageBox::Information,
                        title, text, QMessageBox::Ok);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
};

ModalHost* installedHost = nullptr;

} // namespace

ModalHost& CurrentModalHost()
{
    static ProgramModalHost programHost;
    return installedHost ? *installedHost : programHost;
}

void SetModalHost(ModalHost* host)
{
    installedHost = host;
}

} // namespace Support
