#pragma once
// The Saved AI page without its window: the weight files in the data
// folder, the name to save under, and loading, deleting and saving the
// weights being edited.

#include "options/heuristics_editor.h"
#include "options/name_list.h"
#include "options/options_changes.h"

#include <QString>

namespace OptionsSupport {

class WeightFileOptions {
public:
    WeightFileOptions(HeuristicsEditor& editor, OptionsChanges& changes);

    const NameList& Files() const { return files_; }
    QString& SaveName() { return saveName_; }
    void RowChanged(int row);
    void Save();
    void Load();
    void Delete();
    // The list from the folder, its first file selected. A folder that
    // cannot be listed is told and leaves the list empty; the window still
    // opens (always True).
    bool Populate();

private:
    HeuristicsEditor& editor_;
    OptionsChanges& changes_;
    NameList files_;
    QString saveName_;
};

} // namespace OptionsSupport
