#include "shell/pending_moves.h"

#include <QStringList>

namespace SysTraySupport {

namespace {

std::optional<std::int32_t> ParseId(const QString& entry)
{
    bool ok = false;
    const int id = entry.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return id;
}

} // namespace

std::optional<std::int32_t> FirstPendingId(const QString& list)
{
    for (const QString& entry : list.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        if (const auto id = ParseId(entry))
            return id;
    return std::nullopt;
}

QString RemovePendingId(const QString& list, std::int32_t id)
{
    QString kept;
    for (const QString& entry : list.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const auto entryId = ParseId(entry);
        if (entryId && *entryId != id)
            kept += entry.trimmed() + QLatin1Char(';');
    }
    return kept;
}

bool IsPendingListBlank(const QString& list)
{
    return !FirstPendingId(list).has_value();
}

} // namespace SysTraySupport
