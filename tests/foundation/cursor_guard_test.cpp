#include "foundation/cursor_guard.h"
#include "widget_test_support.h"

#include <QCursor>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace Support;

namespace {

Qt::CursorShape Shown()
{
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor ? cursor->shape() : Qt::BitmapCursor; // BitmapCursor: none held
}

// Guards nest, and each puts back what was shown before it, also when the
// block is left by an exception.
TEST(CursorGuard, HoldsItsShapeAndPutsBackTheOneBefore)
{
    TestSupport::EnsureQtApp();
    ASSERT_EQ(Shown(), Qt::BitmapCursor);
    {
        const CursorGuard hourglass;
        EXPECT_EQ(Shown(), Qt::WaitCursor);
        {
            const CursorGuard arrow(Qt::ArrowCursor);
            EXPECT_EQ(Shown(), Qt::ArrowCursor);
        }
        EXPECT_EQ(Shown(), Qt::WaitCursor);
        try {
            const CursorGuard arrow(Qt::ArrowCursor);
            throw std::runtime_error("failed on purpose");
        } catch (const std::runtime_error&) {
            EXPECT_EQ(Shown(), Qt::WaitCursor);
        }
    }
    EXPECT_EQ(Shown(), Qt::BitmapCursor);
}

} // namespace
