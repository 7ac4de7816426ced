#pragma once
// The sound and file chooser: a folder list, a list of places to start
// from and a file list. In sound mode it picks the new-move sound (Play, OK,
// Cancel); in import mode one move file to import (Import, Cancel). It is
// asked through the two functions below, which return its answer.

#include "options/file_chooser.h"
#include "options/options_controller.h"

#include "foundation/answering_dialog.h"
#include "foundation/skinned_button.h"

#include <optional>

class QComboBox;
class QLabel;
class QListWidget;

namespace OptionsSupport {

// The sound chosen, or nothing when the user cancelled (the old sound stays).
std::optional<SoundFileChoice> AskForSoundFile(const QString& folder, const QString& file);
// The move file chosen (its full path), or "" when the user cancelled; the
// chooser opens at `folder` (the home folder when blank).
QString AskForMoveFile(const QString& folder = QString());

// Enter is OK (or Import); Escape and closing are Cancel.
class SelectSound : public Support::AnsweringDialog<Support::DialogAnswer> {
    Q_OBJECT
public:
    SelectSound(ChooserMode mode, const QString& folder, const QString& file);

    // Lays the window out skinned or plain. False when it could not be
    // skinned: it must not be shown.
    bool Form_Load(bool simpleUI);

    const FileChooserModel& Model() const { return model_; }
    // The answer once the window has closed.
    bool Accepted() const { return Answer() == Support::DialogAnswer::Ok; }

    // Controls, by the names the skin and the button routines look up.
    QLabel* FormCaption() const { return formCaption_; }
    QListWidget* DirList() const { return dirList_; }
    QComboBox* DriveList() const { return driveList_; }
    QListWidget* FileList() const { return fileList_; }
    QLabel* FolderName() const { return folderName_; }
    QLabel* HelpButton() const { return helpButton_; }
    Support::SkinnedButton* OkSelect() const { return okSelect_; }
    Support::SkinnedButton* CancelSelect() const { return cancelSelect_; }
    Support::SkinnedButton* Play() const { return play_; }
    Support::SkinnedButton* ImportOK() const { return importOK_; }
    Support::SkinnedButton* ImportCancel() const { return importCancel_; }

    // The commands.
    void OkCommand();
    void CancelCommand();
    void PlayCommand();
    void HelpCommand();

protected:
    void SetSimpleUI() override;
    void EnterPressed() override;
    void EscapePressed() override;
    int HelpTopic() const override;
    void Answering() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowModeButtons();
    void Refresh();

    FileChooserModel model_;
    QLabel* formCaption_ = nullptr;
    QListWidget* dirList_ = nullptr;
    QComboBox* driveList_ = nullptr;
    QListWidget* fileList_ = nullptr;
    QLabel* folderName_ = nullptr;
    QLabel* helpButton_ = nullptr;
    Support::SkinnedButton* okSelect_ = nullptr;
    Support::SkinnedButton* cancelSelect_ = nullptr;
    Support::SkinnedButton* play_ = nullptr;
    Support::SkinnedButton* importOK_ = nullptr;
    Support::SkinnedButton* importCancel_ = nullptr;
};

} // namespace OptionsSupport
