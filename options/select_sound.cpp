#include "options/select_sound.h"

#include "foundation/help.h"
#include "foundation/message_box.h"
#include "foundation/modal_host.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/skin.h"
#include "foundation/sound_cues.h"
#include "foundation/window_names.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace OptionsSupport {

namespace {

// The skinned layout, in pixels of the background picture (460 x 360).
constexpr QSize SkinnedSize(460, 360);
constexpr QRect CaptionRect(24, 10, 380, 20);
constexpr QRect HelpRect(420, 10, 20, 20);
constexpr QRect FolderNameRect(24, 52, 412, 18);
constexpr QRect DirListRect(24, 74, 200, 170);
constexpr QRect DriveListRect(24, 252, 200, 24);
constexpr QRect FileListRect(236, 74, 200, 202);
constexpr QRect OkRect(60, 300, 90, 26);
constexpr QRect CancelRect(185, 300, 90, 26);
constexpr QRect PlayRect(310, 300, 90, 26);
constexpr QRect ImportRect(120, 300, 90, 26);
constexpr QRect ImportCancelRect(250, 300, 90, 26);
// Without the picture's title band and frame.
constexpr Support::PlainLayoutShift PlainLayout{13, 40, 26, 50};

constexpr int SoundHelpTopic = 17;
constexpr int ImportHelpTopic = 16;

QString Caption(ChooserMode mode)
{
    return mode == ChooserMode::Sound ? QStringLiteral("Select a sound file...")
                                      : QStringLiteral("Select a move file to import...");
}

void RefuseEmptyChoice(ChooserMode mode)
{
    Support::ShowMessage(
        Support::MsgIcon::Warning, QStringLiteral("File selection error..."),
        mode == ChooserMode::Sound
            ? QStringLiteral("You must either select a .WAV file or cancel this dialog.")
            : QStringLiteral("You must either select a file to import or cancel this dialog."),
        QStringLiteral("Ok"), QString(), false, Support::SoundCue::Information);
}

} // namespace

std::optional<SoundFileChoice> AskForSoundFile(const QString& folder, const QString& file)
{
    SelectSound window(ChooserMode::Sound, folder, file);
    if (!window.Form_Load(Support::ProgramSettings().SimpleUI))
        return std::nullopt;
    Support::CurrentModalHost().RunModal(window);
    if (!window.Accepted())
        return std::nullopt;
    return SoundFileChoice{window.Model().Folder(), window.Model().SelectedFileName()};
}

QString AskForMoveFile(const QString& folder)
{
    SelectSound window(ChooserMode::Import, folder, QString());
    if (!window.Form_Load(Support::ProgramSettings().SimpleUI))
        return QString();
    Support::CurrentModalHost().RunModal(window);
    return window.Accepted() ? window.Model().SelectedPath() : QString();
}

SelectSound::SelectSound(ChooserMode mode, const QString& folder, const QString& file)
    : AnsweringDialog(Support::DialogAnswer::Cancel), model_(mode, folder, file)
{
    setObjectName(QLatin1String(WindowNames::SelectSound));
    setWindowTitle(Caption(mode));
    setFixedSize(SkinnedSize);

    formCaption_ = new QLabel(Caption(mode), this);
    formCaption_->setObjectName(QStringLiteral("FormCaption"));
    formCaption_->setGeometry(CaptionRect);
    formCaption_->setStyleSheet(QStringLiteral("color: #f4e8d0; font-weight: bold;"));
    helpButton_ = new QLabel(QStringLiteral("?"), this);
    helpButton_->setObjectName(QStringLiteral("HelpButton"));
    helpButton_->setGeometry(HelpRect);
    helpButton_->setAlignment(Qt::AlignCenter);
    helpButton_->setStyleSheet(QStringLiteral(
        "color: #f4e8d0; font-weight: bold; border: 1px solid #f4e8d0; border-radius: 9px;"));
    helpButton_->installEventFilter(this);

    folderName_ = new QLabel(this);
    folderName_->setObjectName(QStringLiteral("FolderName"));
    folderName_->setGeometry(FolderNameRect);
    dirList_ = new QListWidget(this);
    dirList_->setObjectName(QStringLiteral("DirList"));
    dirList_->setGeometry(DirListRect);
    driveList_ = new QComboBox(this);
    driveList_->setObjectName(QStringLiteral("DriveList"));
    driveList_->setGeometry(DriveListRect);
    driveList_->addItem(QStringLiteral("Home folder"), QDir::homePath());
    driveList_->addItem(QStringLiteral("/"), QStringLiteral("/"));
    fileList_ = new QListWidget(this);
    fileList_->setObjectName(QStringLiteral("FileList"));
    fileList_->setGeometry(FileListRect);

    using Support::SkinnedButton;
    okSelect_ = new SkinnedButton(*this, QStringLiteral("OkSelect"), OkRect, QStringLiteral("OK"),
                                  QStringLiteral("&OK"));
    cancelSelect_ = new SkinnedButton(*this, QStringLiteral("CancelSelect"), CancelRect,
                                      QStringLiteral("Cancel"), QStringLiteral("&Cancel"));
    play_ = new SkinnedButton(*this, QStringLiteral("Play"), PlayRect, QStringLiteral("Play"),
                              QStringLiteral("&Play"));
    importOK_ = new SkinnedButton(*this, QStringLiteral("ImportOK"), ImportRect,
                                  QStringLiteral("Import"), QStringLiteral("&Import"));
    importCancel_ = new SkinnedButton(*this, QStringLiteral("ImportCancel"), ImportCancelRect,
                                      QStringLiteral("Cancel"), QStringLiteral("&Cancel"));
    for (const auto& [button, command] :
         {std::pair{okSelect_, &SelectSound::OkCommand},
          std::pair{cancelSelect_, &SelectSound::CancelCommand},
          std::pair{play_, &SelectSound::PlayCommand}, std::pair{importOK_, &SelectSound::OkCommand},
          std::pair{importCancel_, &SelectSound::CancelCommand}})
        connect(button, &SkinnedButton::Clicked, this, command);

    connect(dirList_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        model_.OpenFolder(item->text());
        Refresh();
    });
    connect(driveList_, &QComboBox::activated, this, [this](int index) {
        model_.SetFolder(driveList_->itemData(index).toString());
        Refresh();
    });
    connect(fileList_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.SelectFile(row);
        play_->SetEnabled(model_.HasSelection());
    });
    connect(fileList_, &QListWidget::itemDoubleClicked, this, [this] { OkCommand(); });
    TakeKeysFirst();
    Refresh();
}

bool SelectSound::Form_Load(bool simpleUI)
{
    if (!LoadLayout(simpleUI))
        return false;
    ShowModeButtons();
    return true;
}

void SelectSound::SetSimpleUI()
{
    helpButton_->hide();
    formCaption_->hide();
    Support::ShiftIntoPlainLayout(*this, PlainLayout);
}

void SelectSound::ShowModeButtons()
{
    const bool sound = model_.Mode() == ChooserMode::Sound;
    for (Support::SkinnedButton* button : {okSelect_, cancelSelect_, play_})
        sound ? button->Show(SimpleLayout()) : button->Hide();
    for (Support::SkinnedButton* button : {importOK_, importCancel_})
        sound ? button->Hide() : button->Show(SimpleLayout());
    play_->SetEnabled(model_.HasSelection());
}

void SelectSound::Refresh()
{
    folderName_->setText(model_.Folder());
    dirList_->clear();
    dirList_->addItems(model_.Folders());
    const QSignalBlocker block(fileList_);
    fileList_->clear();
    fileList_->addItems(model_.Files());
    fileList_->setCurrentRow(model_.SelectedFile());
    play_->SetEnabled(model_.HasSelection());
}

void SelectSound::OkCommand()
{
    if (!model_.HasSelection()) {
        // The old choice stays as it was.
        RefuseEmptyChoice(model_.Mode());
        return;
    }
    AnswerWith(Support::DialogAnswer::Ok);
}

void SelectSound::CancelCommand()
{
    AnswerWith(Support::DialogAnswer::Cancel);
}

void SelectSound::PlayCommand()
{
    if (model_.HasSelection())
        Support::PlaySound(model_.SelectedPath());
}

void SelectSound::HelpCommand()
{
    Support::ShowHelpContext(this, HelpTopic());
}

int SelectSound::HelpTopic() const
{
    return model_.Mode() == ChooserMode::Sound ? SoundHelpTopic : ImportHelpTopic;
}

void SelectSound::Answering()
{
    Support::CloseHelp(this);
}

void SelectSound::EnterPressed()
{
    OkCommand();
}

void SelectSound::EscapePressed()
{
    CancelCommand();
}

bool SelectSound::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == helpButton_ && event->type() == QEvent::MouseButtonRelease) {
        HelpCommand();
        return true;
    }
    return AnsweringDialog::eventFilter(watched, event);
}

} // namespace OptionsSupport
