#pragma once
// The Skins page without its window: the skins in the program folder and
// the one chosen.

#include "options/name_list.h"
#include "options/options_changes.h"

#include "foundation/settings.h"

#include <QString>

namespace OptionsSupport {

class SkinOptions {
public:
    SkinOptions(const Support::Settings& settings, OptionsChanges& changes);

    // The list from the folder, the settings' skin selected; False (after
    // saying why) when the folder cannot be listed.
    bool Load();

    const NameList& List() const { return skins_; }
    void RowChanged(int row);
    // A file of the selected skin's folder; empty when none is selected.
    QString PreviewPath(const QString& file) const;
    // The selection has been stored: it is drawn bold.
    void MarkStored() { skins_.bold = skins_.selected; }

private:
    const Support::Settings& settings_;
    OptionsChanges& changes_;
    NameList skins_;
};

} // namespace OptionsSupport
