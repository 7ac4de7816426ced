#pragma once
// Separator-delimited text lists, as almost every stored value of the program
// is kept: settings joined by ";", id lists ending in ";", "|"-joined game
// lines. The edge behaviour matters to every caller and is not that of a
// split(): a trailing separator counts as a field of its own, index 0 and
// below mean the first field, and an index past the end gives "".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Support {

// Number of fields: occurrences of the separator plus one, 0 for an empty
// list. Occurrences are found one after another, each search starting one
// character after the previous match, so a long separator may overlap
// itself. The count never exceeds 32767.
std::int16_t CountFields(std::string_view list, std::string_view separator);

// The index-th field (1-based); a missing trailing separator is implied.
std::string GetField(std::string_view list, int index, std::string_view separator);

// A value the settings or a record may carry: nothing at all, or text.
// (Numbers travel as their text; a number is never blank.)
bool IsBlank(const std::optional<std::string>& value);
inline bool IsBlank(std::string_view value)
{
    return value.empty();
}

// The value, or the default when it is blank.
std::string ReturnValue(const std::optional<std::string>& value, std::string_view fallback);

// Whether n is even; a fraction is first rounded half to even, and
// negative numbers work as expected (-4 even, -3 odd).
bool IsEven(long long n);
bool IsEven(double n);

} // namespace Support
