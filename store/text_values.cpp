#include "store/text_values.h"

#include <algorithm>
#include <array>
#include <limits>

namespace Database {
namespace {

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

bool IsBlankChar(char c)
{
    return c == ' ' || c == '\t';
}

char Upper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Upper(x) == Upper(y);
           });
}

std::optional<int> DigitsValue(std::string_view text, std::size_t minDigits, std::size_t maxDigits)
{
    if (text.size() < minDigits || text.size() > maxDigits)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::size_t CharacterCount(std::string_view text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuationByte(c); }));
}

std::string_view FirstCharacters(std::string_view text, std::size_t limit)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsContinuationByte(text[i]))
            continue;
        if (characters == limit)
            return text.substr(0, i);
        ++characters;
    }
    return text;
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlankChar(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlankChar(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<std::int64_t> ParseWholeNumber(std::string_view text, std::int64_t minimum,
                                             std::int64_t maximum)
{
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 18)
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (negative)
        value = -value;
    if (value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> ParseInt32(std::string_view text)
{
    const auto value = ParseWholeNumber(text, std::numeric_limits<std::int32_t>::min(),
                                        std::numeric_limits<std::int32_t>::max());
    if (!value)
        return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

std::optional<std::int16_t> ParseInt16(std::string_view text)
{
    const auto value = ParseWholeNumber(text, std::numeric_limits<std::int16_t>::min(),
                                        std::numeric_limits<std::int16_t>::max());
    if (!value)
        return std::nullopt;
    return static_cast<std::int16_t>(*value);
}

std::optional<bool> ParseBoolean(std::string_view text)
{
    const auto trimmed = TrimBlanks(text);
    if (EqualsNoCase(trimmed, "True"))
        return true;
    if (EqualsNoCase(trimmed, "False"))
        return false;
    const auto number = ParseWholeNumber(trimmed, std::numeric_limits<std::int64_t>::min() / 2,
                                         std::numeric_limits<std::int64_t>::max() / 2);
    if (!number)
        return std::nullopt;
    return *number != 0;
}

std::optional<int> ParseDayMonthYear(std::string_view text)
{
    text = TrimBlanks(text);
    const auto first = text.find_first_of("/-.");
    if (first == std::string_view::npos)
        return std::nullopt;
    const char separator = text[first];
    const auto second = text.find(separator, first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    const auto day = DigitsValue(text.substr(0, first), 1, 2);
    const auto month = DigitsValue(text.substr(first + 1, second - first - 1), 1, 2);
    const auto year = DigitsValue(text.substr(second + 1), 4, 4);
    if (!day || !month || !year || *month < 1 || *month > 12 || *day < 1 || *year < 100)
        return std::nullopt;
    static constexpr std::array<int, 12> monthDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (*year % 4 == 0 && *year % 100 != 0) || *year % 400 == 0;
    const int lastDay = monthDays[*month - 1] + ((*month == 2 && leap) ? 1 : 0);
    if (*day > lastDay)
        return std::nullopt;
    return *year * 10000 + *month * 100 + *day;
}

int PairCount(int fieldCount)
{
    const int half = fieldCount / 2;
    if (fieldCount % 2 == 0)
        return half;
    return half % 2 == 0 ? half : half + 1; // x.5 goes to the even neighbour
}

std::string CleanFieldText(std::string_view text)
{
    std::string clean;
    clean.reserve(text.size());
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '|' || c == '\r' || c == '\n')
            clean += ' ';
        else if (code >= 32)
            clean += c;
    }
    return clean;
}

std::string_view FieldAt(std::string_view line, int index, char separator)
{
    if (line.empty())
        return {};
    std::size_t start = 0;
    for (int i = 1; i < index; ++i) {
        const auto at = line.find(separator, start);
        if (at == std::string_view::npos)
            return {};
        start = at + 1;
    }
    const auto end = line.find(separator, start);
    return line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

int FieldCount(std::string_view line, char separator)
{
    if (line.empty())
        return 0;
    const auto count = std::count(line.begin(), line.end(), separator) + 1;
    return static_cast<int>(std::min<std::ptrdiff_t>(count, std::numeric_limits<std::int16_t>::max()));
}

} // namespace Database
