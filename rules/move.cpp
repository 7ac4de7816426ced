#include "rules/move.h"

namespace BoardSupport {

std::string Move::Text() const
{
    if (IsNone())
        return "0000";
    return std::string{static_cast<char>('0' + from.column), static_cast<char>('0' + from.row),
                       static_cast<char>('0' + to.column), static_cast<char>('0' + to.row)};
}

} // namespace BoardSupport
