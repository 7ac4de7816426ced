#include "shell/pending_moves.h"

#include <charconv>
#include <sstream>

namespace SysTraySupport {

namespace {

std::optional<std::int32_t> ParseId(std::string entry)
{
    const auto first = entry.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::nullopt;
    entry = entry.substr(first, entry.find_last_not_of(" \t") - first + 1);
    std::int32_t id = 0;
    const auto [end, error] = std::from_chars(entry.data(), entry.data() + entry.size(), id);
    if (error != std::errc() || end != entry.data() + entry.size())
        return std::nullopt;
    return id;
}

// The list's entries, blank ones left out.
template <class Visit>
void ForEachEntry(const std::string& list, Visit visit)
{
    std::istringstream entries(list);
    std::string entry;
    while (std::getline(entries, entry, ';'))
        if (const auto id = ParseId(entry); id && !visit(*id))
            return;
}

} // namespace

std::optional<std::int32_t> FirstPendingId(const std::string& list)
{
    std::optional<std::int32_t> first;
    ForEachEntry(list, [&](std::int32_t id) {
        first = id;
        return false;
    });
    return first;
}

std::string RemovePendingId(const std::string& list, std::int32_t id)
{
    std::string kept;
    ForEachEntry(list, [&](std::int32_t entry) {
        if (entry != id)
            kept += std::to_string(entry) + ";";
        return true;
    });
    return kept;
}

bool IsPendingListBlank(const std::string& list)
{
    return !FirstPendingId(list).has_value();
}

} // namespace SysTraySupport
