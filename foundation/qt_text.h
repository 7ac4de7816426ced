#pragma once
// The program's texts are UTF-8 std::strings below the windows; this turns
// one into the QString a window shows.

#include <QString>

#include <string_view>

namespace Support {

inline QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace Support
