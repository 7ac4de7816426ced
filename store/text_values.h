#pragma once
// Conversions between the texts stored in game lines and payloads and the
// values they stand for. Every conversion is strict: a text that does not
// read completely as the value gives nothing, never a guess.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Database {

// A whole decimal number, blanks around it and a sign allowed, that lies
// within [minimum, maximum].
std::optional<std::int64_t> ParseWholeNumber(std::string_view text, std::int64_t minimum,
                                             std::int64_t maximum);
std::optional<std::int32_t> ParseInt32(std::string_view text);
std::optional<std::int16_t> ParseInt16(std::string_view text);

// "-1"/"0" as the database writes them, any other whole number (non-zero is
// true), and "True"/"False" in any case.
std::optional<bool> ParseBoolean(std::string_view text);
inline const char* BooleanText(bool value)
{
    return value ? "-1" : "0";
}

// A calendar date written day, month, year ("07/03/2024"; "-" or "." also
// separate), as a number that orders like the date: year*10000+month*100+day.
std::optional<int> ParseDayMonthYear(std::string_view text);

// n / 2 rounded to the nearest whole number, halves to the even neighbour:
// how many name/value pairs a ";"-list of n fields holds.
int PairCount(int fieldCount);

// Text made safe for one "|"-separated field of a line: "|", CR and LF
// become a space, every other control character is dropped.
std::string CleanFieldText(std::string_view text);

// Field `index` (1-based, 0 and below mean the first) of a line split at a
// single-character separator; "" past the end. Same result as GetField with
// that separator, without copying the line.
std::string_view FieldAt(std::string_view line, int index, char separator);

// Number of fields as CountFields counts them (0 for an empty text).
int FieldCount(std::string_view line, char separator);

// Number of characters of a UTF-8 text: every byte except the continuation
// bytes of a character. Limits on names and comments count these.
std::size_t CharacterCount(std::string_view text);

// The text's first `limit` characters at most, never cut inside one.
std::string_view FirstCharacters(std::string_view text, std::size_t limit);

// Blanks-trimmed view.
std::string_view TrimBlanks(std::string_view text);

} // namespace Database
