#include "foundation/shutdown.h"

#include "foundation/help.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "store/backup.h"

#include <QCoreApplication>

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
        QStringLiteral("AboutBox"),     QStringLiteral("Board"),        QStringLiteral("ChooseOpponent"),
        QStringLiteral("Credits"),      QStringLiteral("ExchangePawn"), QStringLiteral("GameInterface"),
        QStringLiteral("MsgForm"),      QStringLiteral("NewGameInfo"),  QStringLiteral("OptionsPage"),
        QStringLiteral("SelectSound"),  QStringLiteral("SplashScreen"), QStringLiteral("StatusWindow"),
        QStringLiteral("SystemTray"),   QStringLiteral("NotifyForm"),
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

void ExitProgram()
{
    ProgramState& state = Globals();
    Database::BackupDatabase(ProgramDataFolder(), false);
    UnloadWindow(QStringLiteral("GameInterface"));
    if (IsWindowLoaded(QStringLiteral("SystemTray"))) {
        UnloadWindow(QStringLiteral("SystemTray"));
    } else {
        CloseHelp(state.TrayForm);
        if (!state.Quitting)
            CloseDown(state.StartupDone);
    }
    QCoreApplication::quit();
}

} // namespace Support
