#include "platform/help_viewer.h"
#include "platform/sound_player.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Platform;

namespace {

QCoreApplication& App()
{
    static int argc = 1;
    static char name[] = "platform_sound_help_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: the audio backend outlives static destruction badly.
    static QCoreApplication* app = new QCoreApplication(argc, argv);
    return *app;
}

QString Cue(int n)
{
    return QStringLiteral(MD_SHARE_DIR "/Cs%1.mds").arg(n, 3, 10, QLatin1Char('0'));
}

} // namespace

// Whatever audio the machine has (none on a build server), playing must
// return at once and never fail the caller.
TEST(SoundPlayer, PlaysCueFilesOneAtATimeAndIgnoresMissingOnes)
{
    App();
    ASSERT_TRUE(QFile::exists(Cue(1))) << "the build generates the cues";
    SoundPlayer& player = CurrentSoundPlayer();
    player.Play(Cue(1));
    EXPECT_EQ(LastEffectSource(), Cue(1));
    player.Play(Cue(4)); // replaces the first
    EXPECT_EQ(LastEffectSource(), Cue(4));
    QTest::qWait(50);
    player.Play(Cue(4)); // the same cue again starts it over
    EXPECT_EQ(LastEffectSource(), Cue(4));
    player.Play(QStringLiteral(MD_SHARE_DIR "/Cs099.mds"));
    EXPECT_TRUE(LastEffectSource().isEmpty());
    QTest::qWait(50);
}

TEST(HelpPages, KeywordsAndTitleComeFromThePageHead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.html"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><head><title> Printing </title>\n"
               "<meta name=\"keywords\" content=\"print; ; diagrams ;notation\"></head></html>");
    file.close();
    EXPECT_EQ(ReadPageTitle(path), QStringLiteral("Printing"));
    EXPECT_EQ(ReadPageKeywords(path), QStringList({"print", "diagrams", "notation"}));
    EXPECT_TRUE(ReadPageKeywords(dir.filePath(QStringLiteral("none.html"))).isEmpty());
    EXPECT_TRUE(ReadPageTitle(dir.filePath(QStringLiteral("none.html"))).isEmpty());
}
