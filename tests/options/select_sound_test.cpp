#include "options/select_sound.h"

#include "tests/options/options_test_support.h"

#include "foundation/options_about_entry.h"
#include "foundation/program_state.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace OptionsSupport;

namespace {

class SelectSoundTest : public ::testing::Test {
protected:
    SelectSoundTest()
    {
        for (const char* sub : {"sounds/deeper", "sounds/Also"})
            QDir().mkpath(Folder() + QString::fromLatin1(sub));
        for (const char* file : {"bell.wav", "Gong.WAV", "chime.Wav", "notes.txt", "wav", "game.mmf"})
            QFile(Folder() + QStringLiteral("sounds/") + QString::fromLatin1(file))
                .open(QIODevice::WriteOnly);
    }
    QString Folder() const { return folders.DataPath(); }
    QString Sounds() const { return Folder() + QStringLiteral("sounds/"); }

    TestSupport::QtApp app;
    OptionsTesting::OptionsFolders folders;
    OptionsTesting::AnsweringHost host;
};

} // namespace

TEST_F(SelectSoundTest, TheFolderListingOfEachMode)
{
    const struct {
        ChooserMode mode;
        QStringList files;
    } cases[] = {
        {ChooserMode::Sound, {"Gong.WAV", "bell.wav", "chime.Wav"}},
        {ChooserMode::Import, {"Gong.WAV", "bell.wav", "chime.Wav", "game.mmf", "notes.txt", "wav"}},
    };
    for (const auto& c : cases) {
        FileChooserModel model(c.mode, Sounds(), QString());
        EXPECT_EQ(model.Folder(), Sounds());
        EXPECT_EQ(model.Files(), c.files);
        EXPECT_EQ(model.Folders(), (QStringList{"..", "Also", "deeper"}));
        EXPECT_FALSE(model.HasSelection());
    }
    FileChooserModel model(ChooserMode::Sound, Sounds(), QString());
    model.OpenFolder(QStringLiteral("deeper"));
    EXPECT_EQ(model.Folder(), Sounds() + QStringLiteral("deeper/"));
    model.OpenFolder(QStringLiteral(".."));
    EXPECT_EQ(model.Folder(), Sounds());
    model.SetFolder(QStringLiteral("/"));
    EXPECT_EQ(model.Folder(), QStringLiteral("/"));
    EXPECT_FALSE(model.Folders().contains(QStringLiteral("..")));
    // A blank or vanished folder opens the home folder.
    EXPECT_EQ(FileChooserModel(ChooserMode::Sound, QString(), QString()).Folder(),
              QDir::homePath() + "/");
    EXPECT_EQ(FileChooserModel(ChooserMode::Sound, Sounds() + "gone", QString()).Folder(),
              QDir::homePath() + "/");
}

TEST_F(SelectSoundTest, TheStoredSoundIsSelectedOnlyWhenSpeltExactlySo)
{
    EXPECT_EQ(
        FileChooserModel(ChooserMode::Sound, Sounds(), QStringLiteral("bell.wav")).SelectedFileName(),
        QStringLiteral("bell.wav"));
    EXPECT_FALSE(
        FileChooserModel(ChooserMode::Sound, Sounds(), QStringLiteral("BELL.wav")).HasSelection());
}

TEST_F(SelectSoundTest, ARefusedOkKeepsTheOldSoundAndPlayNeedsAFile)
{
    std::optional<SoundFileChoice> choice = SoundFileChoice{};
    host.chooser = [&](SelectSound& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Select a sound file..."));
        EXPECT_FALSE(window.Play()->face->isEnabled());
        window.OkCommand(); // nothing selected: refused, still open
        EXPECT_TRUE(window.isVisible());
        window.FileList()->setCurrentRow(1);
        EXPECT_TRUE(window.Play()->face->isEnabled());
        QTest::keyClick(window.FileList(), Qt::Key_Escape);
    };
    choice = AskForSoundFile(Sounds(), QStringLiteral("None"));
    EXPECT_FALSE(choice.has_value());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, QStringLiteral("File selection error..."));
    EXPECT_EQ(host.messages[0].text,
              QStringLiteral("You must either select a .WAV file or cancel this dialog."));

    host.chooser = [](SelectSound& window) {
        window.FileList()->setCurrentRow(0);
        QTest::keyClick(window.FileList(), Qt::Key_Return);
    };
    choice = AskForSoundFile(Sounds(), QString());
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->folder, Sounds());
    EXPECT_EQ(choice->file, QStringLiteral("Gong.WAV"));
}

TEST_F(SelectSoundTest, TheImportModeHasItsOwnCaptionAndCancelImportsNothing)
{
    host.chooser = [&](SelectSound& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Select a move file to import..."));
        EXPECT_FALSE(window.OkSelect()->face->isVisible());
        EXPECT_TRUE(window.ImportOK()->face->isVisible());
        window.FileList()->setCurrentRow(3);
        window.CancelCommand();
    };
    EXPECT_EQ(AskForMoveFile(Sounds()), QString());

    host.chooser = [&](SelectSound& window) {
        window.OkCommand(); // refused
        window.FileList()->setCurrentRow(3);
        QTest::keyClick(window.FileList(), Qt::Key_Enter);
    };
    EXPECT_EQ(AskForMoveFile(Sounds()), Sounds() + QStringLiteral("game.mmf"));
    EXPECT_EQ(host.messages.back().text,
              QStringLiteral("You must either select a file to import or cancel this dialog."));
}

TEST_F(SelectSoundTest, ThePlainLayoutShowsOnlyTheTwinsOfItsMode)
{
    Support::ProgramSettings().SimpleUI = true;
    host.chooser = [](SelectSound& window) {
        EXPECT_TRUE(window.ImportOK()->plainTwin->isVisible());
        EXPECT_TRUE(window.ImportCancel()->plainTwin->isVisible());
        EXPECT_FALSE(window.OkSelect()->plainTwin->isVisible());
        EXPECT_FALSE(window.Play()->plainTwin->isVisible());
        EXPECT_FALSE(window.HelpButton()->isVisible());
        window.ImportCancel()->plainTwin->click();
    };
    EXPECT_EQ(AskForMoveFile(Sounds()), QString());
    Support::ProgramSettings().SimpleUI = false;
}
