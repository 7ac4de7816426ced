#pragma once
// The pending-move list: ids of games whose new move has not been shown
// yet, each followed by ";" ("12;7;"). Entries are whole ids: taking out 1
// leaves 11 alone.

#include <cstdint>
#include <optional>
#include <string>

namespace SysTraySupport {

// The first id of the list; blank entries are passed over, so a list of
// only blank entries has none.
std::optional<std::int32_t> FirstPendingId(const std::string& list);

// The list without any entry equal to the id and without blank entries.
std::string RemovePendingId(const std::string& list, std::int32_t id);

// No id left in the list.
bool IsPendingListBlank(const std::string& list);

} // namespace SysTraySupport
