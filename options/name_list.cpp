#include "options/name_list.h"

#include <QDir>

#include <algorithm>

namespace OptionsSupport {

void SelectNamed(NameList& list, const QString& name, int fallback)
{
    const int row = int(list.names.indexOf(name));
    list.bold = row;
    list.selected = row >= 0 ? row : (list.names.isEmpty() ? -1 : fallback);
}

namespace {

std::optional<QDir> Readable(const QString& folder)
{
    QDir dir(folder);
    if (!dir.exists() || !dir.isReadable())
        return std::nullopt;
    return dir;
}

} // namespace

std::optional<QStringList> SubFolderNames(const QString& folder)
{
    const auto dir = Readable(folder);
    if (!dir)
        return std::nullopt;
    QStringList names = dir->entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<QStringList> FileNamesEndingIn(const QString& folder, const QString& suffix)
{
    const auto dir = Readable(folder);
    if (!dir)
        return std::nullopt;
    QStringList names;
    for (const QString& file : dir->entryList(QDir::Files))
        if (file.endsWith(suffix, Qt::CaseSensitive))
            names << file.chopped(suffix.size());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace OptionsSupport
