#include "foundation/global_setup.h"

#include "foundation/program_state.h"
#include "foundation/sound_cues.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStringList>

namespace Support {

bool HasSwitch(const QString& commandLine, const QString& name)
{
    return commandLine.contains(name, Qt::CaseInsensitive);
}

QString DefaultDataPath()
{
    // The same place as AppDataLocation with the program's organisation and
    // application names, whatever names the running QCoreApplication has.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/Tallowmere/Marrowdale/Data/");
}

void SetupGlobalVariables(const QString& commandLine)
{
    ProgramState& state = Globals();
    state.Mail.MailOffline = true;
    if (state.ProgramFolder.isEmpty())
        state.ProgramFolder = DefaultProgramFolder();
    state.DataPath = DefaultDataPath();
    QDir().mkpath(state.DataPath);
    // The games, their backup and the move files are the player's alone.
    QFile::setPermissions(state.DataPath,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    state.DatabaseFileName = QStringLiteral("Mdgdb.dat");
    state.Mail.NewMovesArrived = false;
    state.ModalBusy = false;
    state.StartupDone = false;
    state.Quitting = false;
    state.ExitQueued = false;
    state.SimpleUIForced = false;

    state.Mail.StandAloneMode = HasSwitch(commandLine, QStringLiteral("-testingmode"));
    state.Mail.NoNetwork = HasSwitch(commandLine, QStringLiteral("-nonetwork"));
    state.DPICheck = !HasSwitch(commandLine, QStringLiteral("-nodpi"));
    state.ResolutionCheck = !HasSwitch(commandLine, QStringLiteral("-nores"));
    state.ColourDepthCheck = !HasSwitch(commandLine, QStringLiteral("-nobpp"));
    state.SoundAllowed = !HasSwitch(commandLine, QStringLiteral("-nosound"));

    InstallSoundCueHook();
}

void SetupGlobalVariables()
{
    QStringList arguments = QCoreApplication::arguments();
    if (!arguments.isEmpty())
        arguments.removeFirst();
    SetupGlobalVariables(arguments.join(u' '));
}

} // namespace Support
