#include "foundation/program_state.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace Support {

ProgramState& Globals()
{
    static ProgramState state;
    return state;
}

void ResetGlobals()
{
    Globals() = ProgramState{};
}

Database::DataFolder ProgramDataFolder(MessageSink* sink)
{
    return Database::DataFolder(QFile::encodeName(Globals().DataPath).toStdString(), nullptr, sink);
}

void SetCheckTimer(bool enabled)
{
    ProgramState& state = Globals();
    state.CheckTimerEnabled = enabled;
    if (state.CheckTimerSwitched)
        state.CheckTimerSwitched(enabled);
}

bool CheckTimerEnabled()
{
    return Globals().CheckTimerEnabled;
}

QString DefaultProgramFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath()
                           + QStringLiteral("/../share/marrowdale"));
}

} // namespace Support
