#include "options/file_chooser.h"

#include <QDir>

#include <algorithm>

namespace OptionsSupport {

QString WithSeparator(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

FileChooserModel::FileChooserModel(ChooserMode mode, const QString& folder, const QString& file)
    : mode_(mode)
{
    SetFolder(folder);
    if (mode == ChooserMode::Sound)
        selected_ = int(files_.indexOf(file));
}

QString FileChooserModel::SelectedFileName() const
{
    return selected_ >= 0 && selected_ < files_.size() ? files_[selected_] : QString();
}

void FileChooserModel::SetFolder(const QString& folder)
{
    // A folder that is blank or no longer there opens the home folder.
    const QDir dir(folder);
    folder_ = WithSeparator(!folder.isEmpty() && dir.exists() ? dir.absolutePath() : QDir::homePath());
    Fill();
}

void FileChooserModel::OpenFolder(const QString& entry)
{
    if (!folders_.contains(entry))
        return;
    QDir dir(folder_);
    if (entry == ParentFolderEntry ? dir.cdUp() : dir.cd(entry))
        SetFolder(dir.absolutePath());
}

void FileChooserModel::SelectFile(int index)
{
    selected_ = index >= 0 && index < files_.size() ? index : -1;
}

QString FileChooserModel::SelectedPath() const
{
    return HasSelection() ? folder_ + SelectedFileName() : QString();
}

void FileChooserModel::Fill()
{
    const QDir dir(folder_);
    folders_ = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    if (!dir.isRoot())
        folders_.prepend(ParentFolderEntry);
    files_.clear();
    for (const QString& file : dir.entryList(QDir::Files, QDir::Name))
        if (mode_ == ChooserMode::Import || file.endsWith(QStringLiteral(".wav"), Qt::CaseInsensitive))
            files_ << file;
    selected_ = -1;
}

} // namespace OptionsSupport
