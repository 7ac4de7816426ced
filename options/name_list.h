#pragma once
// The one-column lists of the options window (chess sets, boards, skins,
// weight files): names, the selected row and the row drawn bold.

#include <QString>
#include <QStringList>

#include <optional>

namespace OptionsSupport {

struct NameList {
    QStringList names;
    int selected = -1; // -1: none
    int bold = -1;     // the row of the setting in force; -1: none

    QString SelectedName() const
    {
        return selected >= 0 && selected < names.size() ? names[selected] : QString();
    }
    bool HasSelection() const { return selected >= 0 && selected < names.size(); }
    void Clear() { *this = NameList{}; }
};

// Selects the row named `name`, drawn bold as the setting in force, or
// failing that the row `fallback` (none in an empty list).
void SelectNamed(NameList& list, const QString& name, int fallback);

// The sub-folders of a folder, or its files ending in `suffix` (exact,
// case-sensitive) without the suffix, in ascending case-sensitive order.
// Nothing when the folder cannot be read.
std::optional<QStringList> SubFolderNames(const QString& folder);
std::optional<QStringList> FileNamesEndingIn(const QString& folder, const QString& suffix);

} // namespace OptionsSupport
