#pragma once
// The sound and file chooser without its window: a folder, its sub-folders
// and its files, and the file picked. In sound mode only ".wav" files (in
// any letter case) are listed; in import mode every file.

#include <QString>
#include <QStringList>

namespace OptionsSupport {

enum class ChooserMode { Sound, Import };

// The parent-folder entry of the folder list.
inline const QString ParentFolderEntry = QStringLiteral("..");

class FileChooserModel {
public:
    // Opens at `folder` (the home folder when it is blank or gone) and, in
    // sound mode, selects `file` when the folder holds it spelt exactly so.
    FileChooserModel(ChooserMode mode, const QString& folder, const QString& file);

    ChooserMode Mode() const { return mode_; }
    // The folder, always ending in "/".
    QString Folder() const { return folder_; }
    // ".." first (but at the root), then the sub-folders, sorted.
    const QStringList& Folders() const { return folders_; }
    const QStringList& Files() const { return files_; }
    int SelectedFile() const { return selected_; }
    QString SelectedFileName() const;
    bool HasSelection() const { return selected_ >= 0; }

    void SetFolder(const QString& folder);
    // Enters a sub-folder of the list, or the parent for "..".
    void OpenFolder(const QString& entry);
    void SelectFile(int index);

    // The picked file's full path; empty when none is selected.
    QString SelectedPath() const;

private:
    void Fill();

    ChooserMode mode_;
    QString folder_;
    QStringList folders_;
    QStringList files_;
    int selected_ = -1;
};

// With a trailing "/" (the root stays "/").
QString WithSeparator(const QString& folder);

} // namespace OptionsSupport
