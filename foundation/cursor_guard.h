#pragma once
// A pointer shape held while a block runs: the hourglass over a mail call, a
// game start or a settings write, the arrow while a message box waits. It is
// put back however the block ends, also by an exception; without a screen
// (a program with no GUI application) it does nothing.

#include <Qt>

namespace Support {

class CursorGuard {
public:
    explicit CursorGuard(Qt::CursorShape shape = Qt::WaitCursor);
    ~CursorGuard();
    CursorGuard(const CursorGuard&) = delete;
    CursorGuard& operator=(const CursorGuard&) = delete;

private:
    bool shown_;
};

} // namespace Support
