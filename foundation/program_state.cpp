#include "foundation/program_state.h"

#include <QCoreApplication>
#include <QDir>

namespace Support {

ProgramState& Globals()
{
    static ProgramState state;
    return state;
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
