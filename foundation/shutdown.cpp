#include "foundation/shutdown.h"

#include "foundation/help.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/window_names.h"
#include "store/backup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace Support {

namespace {

std::map<QString, WindowInstance>& LoadedWindows()
{
    static std::map<QString, WindowInstance> windows;
    return windows;
}

std::optional<WindowInstance> TakeWindow(const QString& name)
{
    auto& windows = LoadedWindows();
    const auto found = windows.find(name);
    if (found == windows.end())
        return std::nullopt;
    WindowInstance instance = std::move(found->second);
    windows.erase(found);
    return instance;
}

void RunUnload(const WindowInstance& instance)
{
    if (instance.Unload)
        instance.Unload();
}

void RunRelease(const WindowInstance& instance)
{
    if (instance.Release)
        instance.Release();
}

} // namespace

const QStringList& CloseDownOrder()
{
    static const QStringList order = {
        QLatin1String(WindowNames::AboutBox),       QLatin1String(WindowNames::Board),
        QLatin1String(WindowNames::ChooseOpponent), QLatin1String(WindowNames::Credits),
        QLatin1String(WindowNames::ExchangePawn),   QLatin1String(WindowNames::GameInterface),
        QLatin1String(WindowNames::MsgForm),        QLatin1String(WindowNames::NewGameInfo),
        QLatin1String(WindowNames::OptionsPage),    QLatin1String(WindowNames::SelectSound),
        QLatin1String(WindowNames::SplashScreen),   QLatin1String(WindowNames::StatusWindow),
        QLatin1String(WindowNames::SystemTray),     QLatin1String(WindowNames::NotifyForm),
    };
    return order;
}

void RegisterWindow(const QString& name, WindowInstance instance)
{
    LoadedWindows()[name] = std::move(instance);
}

void ForgetWindow(const QString& name)
{
    LoadedWindows().erase(name);
}

bool IsWindowLoaded(const QString& name)
{
    return LoadedWindows().count(name) != 0;
}

void UnloadWindow(const QString& name)
{
    if (const std::optional<WindowInstance> instance = TakeWindow(name)) {
        RunUnload(*instance);
        RunRelease(*instance);
    }
}

void CloseDown(bool save)
{
    if (save)
        SaveSettings();
    std::vector<WindowInstance> unloaded;
    for (const QString& name : CloseDownOrder()) {
        if (std::optional<WindowInstance> instance = TakeWindow(name)) {
            RunUnload(*instance);
            unloaded.push_back(std::move(*instance));
        }
    }
    for (const WindowInstance& instance : unloaded)
        RunRelease(instance);
}

void RunWhenUnwound(std::function<void()> work, std::function<void()> unwind)
{
    // A nested loop (a popup menu's exec, a modal window) is still on the
    // stack: look again shortly, once it has ended.
    constexpr int RetryMs = 10;
    const bool nested = QThread::currentThread()->loopLevel() > 1;
    QTimer::singleShot(nested ? RetryMs : 0, QCoreApplication::instance(),
                       [work = std::move(work), unwind = std::move(unwind)] {
                           if (QThread::currentThread()->loopLevel() > 1) {
                               if (unwind)
                                   unwind();
                               RunWhenUnwound(work, unwind);
                               return;
                           }
                           work();
                       });
}

void CloseOpenLoops()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->hide();
}

bool QueueExit(std::function<void()> work, bool closeOpenLoops)
{
    ProgramState& state = Globals();
    if (state.ExitQueued)
        return false;
    state.ExitQueued = true;
    if (closeOpenLoops)
        CloseOpenLoops();
    RunWhenUnwound(std::move(work),
                   closeOpenLoops ? std::function<void()>(CloseOpenLoops) : std::function<void()>());
    return true;
}

void RequestExitProgram()
{
    QueueExit([] { ExitProgram(); });
}

void ExitProgram()
{
    ProgramState& state = Globals();
    Database::BackupDatabase(ProgramDataFolder(), false);
    UnloadWindow(QLatin1String(WindowNames::GameInterface));
    if (IsWindowLoaded(QLatin1String(WindowNames::SystemTray))) {
        UnloadWindow(QLatin1String(WindowNames::SystemTray));
    } else {
        CloseHelp(state.TrayForm);
        if (!state.Quitting)
            CloseDown(state.StartupDone);
    }
    QCoreApplication::quit();
}

} // namespace Support
