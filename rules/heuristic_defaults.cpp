#include "rules/heuristic_defaults.h"

#include <algorithm>
#include <charconv>

namespace Support {

std::string HeuristicsToText(const HeuristicWeights& weights)
{
    std::string text;
    for (int i = 0; i < HeuristicCount; ++i) {
        if (i > 0)
            text += ';';
        text += std::to_string(weights[i]);
    }
    return text;
}

namespace {

std::string_view Trimmed(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

std::optional<std::int16_t> ParseWeight(std::string_view field)
{
    field = Trimmed(field);
    if (!field.empty() && field.front() == '+')
        field.remove_prefix(1);
    std::int16_t value = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || ec != std::errc{} || end != field.data() + field.size())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<HeuristicWeights> HeuristicsFromText(std::string_view text)
{
    HeuristicWeights weights{};
    std::size_t start = 0;
    for (int i = 0; i < HeuristicCount; ++i) {
        if (start > text.size())
            return std::nullopt; // the text ran out of fields
        const auto cut = std::min(text.find(';', start), text.size());
        const auto weight = ParseWeight(text.substr(start, cut - start));
        if (!weight)
            return std::nullopt;
        weights[i] = *weight;
        start = cut + 1;
    }
    return weights;
}

} // namespace Support
