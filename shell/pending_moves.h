#pragma once
// The pending-move list: ids of games whose new move has not been shown
// yet, each followed by ";" ("12;7;"). Entries are whole ids: taking out 1
// leaves 11 alone.

#include <QString>

#include <cstdint>
#include <optional>

namespace SysTraySupport {

// The first id of the list; blank entries are passed over, so a list of
// only blank entries has none.
std::optional<std::int32_t> FirstPendingId(const QString& list);

// The list without any entry equal to the id and without blank entries.
QString RemovePendingId(const QString& list, std::int32_t id);

// No id left in the list.
bool IsPendingListBlank(const QString& list);

} // namespace SysTraySupport
