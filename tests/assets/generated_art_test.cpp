// The skins and chess sets the build draws: every file a window or the
// board loads is there, at the size it is laid out for, at both scales.

#include "foundation/chess_set.h"
#include "foundation/skin_table.h"
#include "foundation/window_outlines.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

namespace {

const QString Share = QStringLiteral(MD_SHARE_DIR);

QString Q(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QSize SizeOf(const QString& path)
{
    return QImageReader(path).size();
}

TEST(GeneratedSkins, EverySkinHoldsEveryFileAtItsSize)
{
    const QStringList skins =
        QDir(Share + QStringLiteral("/UI Graphics")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    EXPECT_EQ(skins,
              (QStringList{QStringLiteral("Harbour Slate"), QStringLiteral("Marrowdale Classic")}));
    for (const QString& skin : skins) {
        SCOPED_TRACE(skin.toStdString());
        const QString folder = Share + QStringLiteral("/UI Graphics/") + skin + QStringLiteral("/");
        QStringList expected;
        for (const std::string& file : Support::SkinFileNames()) {
            expected << Q(file);
            EXPECT_FALSE(QImage(folder + Q(file)).isNull()) << file;
        }
        expected.sort();
        EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name), expected);
        for (const Support::FormSkinEntry& entry : Support::FormSkinTable()) {
            if (entry.background.empty())
                continue;
            const WindowShape::Member* member = WindowShape::Find(entry.window);
            ASSERT_NE(member, nullptr) << entry.window;
            EXPECT_EQ(SizeOf(folder + Q(entry.background)),
                      QSize(member->pictureWidth, member->pictureHeight))
                << entry.background;
        }
        for (const Support::StripLayout& layout : Support::StripLayouts)
            EXPECT_EQ(SizeOf(folder + Q(layout.file)),
                      QSize(layout.columns * layout.cellWidth, layout.rows * layout.cellHeight))
                << layout.file;
    }
}

// The board's squares are 50 pixels and the cells of a board picture the
// same; the "2x" folder holds every file at twice the size.
TEST(GeneratedChessSets, EverySetHoldsItsIconsAndBoardsAtBothScales)
{
    struct Set {
        QString name;
        QStringList boards;
    };
    const Set sets[] = {
        {QStringLiteral("Classic Wood"), {QStringLiteral("Plain.jpg")}},
        {QStringLiteral("Pen and Ink"), {QStringLiteral("Plain.jpg"), QStringLiteral("Slate.jpg")}},
    };
    EXPECT_EQ(QDir(Share + QStringLiteral("/Graphics")).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              (QStringList{sets[0].name, sets[1].name}));
    for (const Set& set : sets)
        for (int scale = 1; scale <= 2; ++scale) {
            SCOPED_TRACE(set.name.toStdString() + " at " + std::to_string(scale) + "x");
            const QString folder = Share + QStringLiteral("/Graphics/") + set.name
                                   + (scale == 1 ? QStringLiteral("/") : QStringLiteral("/2x/"));
            EXPECT_EQ(QDir(folder).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name),
                      set.boards);
            for (const QString& icon : Support::PieceIconFiles) {
                const QImage picture(folder + icon);
                EXPECT_EQ(picture.size(), QSize(48, 48) * scale) << icon.toStdString();
            }
            for (const QString& board : set.boards) {
                const QImage picture(folder + board);
                const int cell = 50 * scale;
                ASSERT_EQ(picture.size(), QSize(8 * cell, 4 * cell)) << board.toStdString();
                // Column 0 holds the empty squares: light in rows 0 and 2,
                // dark in rows 1 and 3.
                auto centre = [&](int row) {
                    return picture.pixelColor(cell / 2, row * cell + cell / 2);
                };
                EXPECT_GT(centre(0).lightness(), centre(1).lightness() + 40) << board.toStdString();
                EXPECT_EQ(centre(0).name(), centre(2).name());
                EXPECT_EQ(centre(1).name(), centre(3).name());
            }
        }
}

} // namespace

// The mail icon heads the import's success as well as the mail failures, so
// it carries no failure mark (the red badge the database icon has).
TEST(GeneratedIcons, TheMailIconShowsNoFailureMark)
{
    auto reddish = [](const QString& file) {
        const QImage icon(Share + QStringLiteral("/Icons/") + file);
        int count = 0;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x) {
                const QColor c = icon.pixelColor(x, y);
                count += c.alpha() > 128 && c.red() > 140 && c.green() < 100 && c.blue() < 90;
            }
        return count;
    };
    EXPECT_EQ(reddish(QStringLiteral("MsgIcon4.png")), 0);
    EXPECT_GT(reddish(QStringLiteral("MsgIcon5.png")), 0);
}
