#include "store/field_list.h"

#include <cmath>
#include <limits>

namespace Support {
namespace {

// 1-based "find from": the position of the separator at or after `start`
// (1-based), or 0 when there is none.
std::size_t FindFrom(std::string_view text, std::string_view separator, std::size_t start)
{
    if (start == 0 || start > text.size() + 1)
        return 0;
    if (separator.empty())
        return start <= text.size() ? start : 0;
    const auto at = text.find(separator, start - 1);
    return at == std::string_view::npos ? 0 : at + 1;
}

} // namespace

std::int16_t CountFields(std::string_view list, std::string_view separator)
{
    if (list.empty())
        return 0;
    std::int16_t count = 0;
    std::size_t position = 0;
    do {
        if (count == std::numeric_limits<std::int16_t>::max())
            break;
        ++count;
        position = FindFrom(list, separator, position + 1);
    } while (position != 0);
    return count;
}

std::string GetField(std::string_view list, int index, std::string_view separator)
{
    std::string copy(list);
    if (copy.empty() || std::string_view(&copy.back(), 1) != separator)
        copy += separator;

    if (index > CountFields(copy, separator))
        return {};

    std::size_t start = 1;
    if (index >= 2) {
        std::size_t match = 0;
        for (int i = 0; i < index - 1; ++i) {
            match = FindFrom(copy, separator, match + 1);
            if (match == 0)
                return {};
        }
        start = match + separator.size();
    }
    std::size_t end = FindFrom(copy, separator, start);
    if (end == 0 || separator.empty())
        end = copy.size() + 1;
    return copy.substr(start - 1, end - start);
}

bool IsBlank(const std::optional<std::string>& value)
{
    return !value || value->empty();
}

std::string ReturnValue(const std::optional<std::string>& value, std::string_view fallback)
{
    return IsBlank(value) ? std::string(fallback) : *value;
}

bool IsEven(long long n)
{
    return n % 2 == 0;
}

bool IsEven(double n)
{
    return IsEven(static_cast<long long>(std::nearbyint(n)));
}

} // namespace Support
