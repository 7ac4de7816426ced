#include "options/weight_file_options.h"

#include "options/option_messages.h"
#include "options/weight_files.h"

#include <QDir>
#include <QFile>

namespace OptionsSupport {

WeightFileOptions::WeightFileOptions(HeuristicsEditor& editor, OptionsChanges& changes)
    : editor_(editor), changes_(changes)
{
}

bool WeightFileOptions::Populate()
{
    files_.Clear();
    const auto names = ListWeightFiles(WeightFileFolder());
    if (!names) {
        Warn(QStringLiteral("AI File Error"),
             QStringLiteral(
                 "There was an error locating your AI Files.  Please ensure there is a folder called "
                 "'AI Files' in your Marrowdale data folder."));
        return true;
    }
    files_.names = *names;
    if (!files_.names.isEmpty()) {
        files_.selected = 0;
        saveName_ = files_.names.first();
    }
    return true;
}

void WeightFileOptions::RowChanged(int row)
{
    if (row < 0 || row >= files_.names.size())
        return;
    files_.selected = row;
    saveName_ = files_.names[row];
}

void WeightFileOptions::Save()
{
    const QString name = saveName_;
    switch (CheckWeightFileName(name)) {
    case WeightFileNameProblem::Blank:
        Warn(QStringLiteral("No file name."),
             QStringLiteral("You must enter a name for the heuristics data file in order to save it."));
        return;
    case WeightFileNameProblem::ReservedCharacter:
        Warn(QStringLiteral("Invalid file name."),
             QStringLiteral(
                 "The heuristics data file name cannot contain the following reserved characters, ")
                 + ReservedCharactersText() + QStringLiteral("."));
        return;
    case WeightFileNameProblem::Unusable:
        Warn(QStringLiteral("Invalid file name."),
             QStringLiteral("The heuristics data file name is too long or holds control characters.  "
                            "Please choose a shorter name."));
        return;
    case WeightFileNameProblem::None:
        break;
    }
    const QString path = WeightFilePath(WeightFileFolder(), name);
    if (QFile::exists(path)
        && !Ask(QStringLiteral("File already exists"),
                QStringLiteral("The file ") + path + QStringLiteral(" already exists.||Overwrite?"),
                QStringLiteral("Overwrite"), QStringLiteral("Cancel")))
        return;
    if (!QDir().mkpath(WeightFileFolder()) || !WriteWeightFile(path, FormatWeightFile(editor_)))
        Warn(QStringLiteral("File write error."),
             QStringLiteral(
                 "There was an unknown error writing the heuristics data.  Please try again."));
    else
        Inform(QStringLiteral("Save complete."),
               QStringLiteral("The heuristics data has been successfully saved to;|") + path
                   + QStringLiteral("||The data can be viewed on the Heuristics tab."));
    Populate();
}

void WeightFileOptions::Load()
{
    if (!files_.HasSelection()) {
        Warn(QStringLiteral("Nothing selected"),
             QStringLiteral(
                 "You must select a heuristics data file to load before clicking on the load button."));
        return;
    }
    const auto bytes = ReadWeightFile(WeightFilePath(WeightFileFolder(), files_.SelectedName()));
    const auto pairs = bytes ? ParseWeightFile(*bytes) : std::nullopt;
    if (!pairs) {
        // Nothing of a bad file is taken.
        Warn(QStringLiteral("File read error."),
             QStringLiteral(
                 "There was an unknown error reading the heuristic data file.  Please try again."));
        return;
    }
    changes_.eventsSuppressed = true;
    bool changed = false;
    for (const WeightPair& pair : *pairs)
        changed |= editor_.SetLine(pair.row, pair.value);
    changes_.eventsSuppressed = false;
    if (changed) {
        changes_.applyEnabled = true;
        Inform(QStringLiteral("Load complete."),
               QStringLiteral(
                   "The heuristics data file has been successfully loaded.  The data can be viewed on "
                   "the Heuristics tab."));
    } else {
        Inform(QStringLiteral("Load complete, no changes."),
               QStringLiteral(
                   "The heuristic data loaded is the same as the current settings and nothing has "
                   "changed."));
    }
}

void WeightFileOptions::Delete()
{
    if (!files_.HasSelection()) {
        Warn(QStringLiteral("Nothing selected"),
             QStringLiteral(
                 "You must select a heuristics data file in the list before clicking on the delete "
                 "button."));
        return;
    }
    const QString path = WeightFilePath(WeightFileFolder(), files_.SelectedName());
    if (QFile::exists(path)
        && !Ask(QStringLiteral("Confirmation"),
                QStringLiteral("Are you sure you wish to delete the heuristics data file ") + path
                    + QStringLiteral("?"),
                QStringLiteral("Yes"), QStringLiteral("No")))
        return;
    if (!QFile::remove(path))
        Warn(QStringLiteral("File delete error."),
             QStringLiteral(
                 "There was an unknown error while deleting the heuristics data file.  It may not have "
                 "been properly deleted.  Please try again."));
    Populate();
}

} // namespace OptionsSupport
