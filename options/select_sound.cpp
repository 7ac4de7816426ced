#include "options/select_sound.h"

#include "options/dialog_support.h"

#include "foundation/help.h"
#include "foundation/message_box.h"
#include "foundation/modal_host.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/skin.h"
#include "foundation/sound_cues.h"

#include <QComboBox>
#include <QEvent>
#include <QDir>
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
    Support::ShowMessage(2, QStringLiteral("File selection error..."),
                         mode == ChooserMode::Sound
                             ? QStringLiteral("You must either select a .WAV file or cancel this dialog.")
                             : QStringLiteral("You must either select a file to import or cancel this dialog."),
                         QStringLiteral("Ok"), QString(), false, Support::CueInformation);
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
    setObjectName(QStringLiteral("SelectSound"));
    setWindowTitle(Caption(mode));
    setFixedSize(SkinnedSize);

    FormCaption = new QLabel(Caption(mode), this);
    FormCaption->setObjectName(QStringLiteral("FormCaption"));
    FormCaption->setGeometry(CaptionRect);
    FormCaption->setStyleSheet(QStringLiteral("color: #f4e8d0; font-weight: bold;"));
    HelpButton = new QLabel(QStringLiteral("?"), this);
    HelpButton->setObjectName(QStringLiteral("HelpButton"));
    HelpButton->setGeometry(HelpRect);
    HelpButton->setAlignment(Qt::AlignCenter);
    HelpButton->setStyleSheet(QStringLiteral("color: #f4e8d0; font-weight: bold; border: 1px solid #f4e8d0; border-radius: 9px;"));
    HelpButton->installEventFilter(this);

    FolderName = new QLabel(this);
    FolderName->setObjectName(QStringLiteral("FolderName"));
    FolderName->setGeometry(FolderNameRect);
    DirList = new QListWidget(this);
    DirList->setObjectName(QStringLiteral("DirList"));
    DirList->setGeometry(DirListRect);
    DriveList = new QComboBox(this);
    DriveList->setObjectName(QStringLiteral("DriveList"));
    DriveList->setGeometry(DriveListRect);
    DriveList->addItem(QStringLiteral("Home folder"), QDir::homePath());
    DriveList->addItem(QStringLiteral("/"), QStringLiteral("/"));
    FileList = new QListWidget(this);
    FileList->setObjectName(QStringLiteral("FileList"));
    FileList->setGeometry(FileListRect);

    BuildButton(OkSelect, QStringLiteral("OkSelect"), QStringLiteral("OK"), QStringLiteral("&OK"), OkRect,
                &SelectSound::OkCommand);
    BuildButton(CancelSelect, QStringLiteral("CancelSelect"), QStringLiteral("Cancel"), QStringLiteral("&Cancel"),
                CancelRect, &SelectSound::CancelCommand);
    BuildButton(Play, QStringLiteral("Play"), QStringLiteral("Play"), QStringLiteral("&Play"), PlayRect,
                &SelectSound::PlayCommand);
    BuildButton(ImportOK, QStringLiteral("ImportOK"), QStringLiteral("Import"), QStringLiteral("&Import"),
                ImportRect, &SelectSound::OkCommand);
    BuildButton(ImportCancel, QStringLiteral("ImportCancel"), QStringLiteral("Cancel"),
                QStringLiteral("&Cancel"), ImportCancelRect, &SelectSound::CancelCommand);

    connect(DirList, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        model_.OpenFolder(item->text());
        Refresh();
    });
    connect(DriveList, &QComboBox::activated, this, [this](int index) {
        model_.SetFolder(DriveList->itemData(index).toString());
        Refresh();
    });
    connect(FileList, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.SelectFile(row);
        Play.plainTwin->setEnabled(model_.HasSelection());
        Support::EnableSkinButton(*this, QStringLiteral("Play"), model_.HasSelection());
    });
    connect(FileList, &QListWidget::itemDoubleClicked, this, [this] { OkCommand(); });
    TakeKeysFirst();
    Refresh();
}

void SelectSound::BuildButton(Support::SkinnedButtonParts& parts, const QString& name, const QString& caption,
                              const QString& plainCaption, const QRect& geometry, void (SelectSound::*command)())
{
    parts = CreateCommandButton(*this, *this, name, caption, plainCaption, geometry, [this, command] { (this->*command)(); });
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
    for (const auto* parts : {&OkSelect, &CancelSelect, &Play, &ImportOK, &ImportCancel})
        parts->plainTwin->show();
    HelpButton->hide();
    FormCaption->hide();
    for (const QString& name : {QStringLiteral("OkSelect"), QStringLiteral("CancelSelect"), QStringLiteral("Play"),
                                QStringLiteral("ImportOK"), QStringLiteral("ImportCancel")})
        Support::ButtonUp(*this, name, QString(), true);
    Support::ShiftIntoPlainLayout(*this, PlainLayout);
}

void SelectSound::ShowModeButtons()
{
    const bool sound = model_.Mode() == ChooserMode::Sound;
    const struct {
        Support::SkinnedButtonParts& parts;
        QString name;
        QString caption;
        bool shown;
    } buttons[] = {
        {OkSelect, QStringLiteral("OkSelect"), QStringLiteral("OK"), sound},
        {CancelSelect, QStringLiteral("CancelSelect"), QStringLiteral("Cancel"), sound},
        {Play, QStringLiteral("Play"), QStringLiteral("Play"), sound},
        {ImportOK, QStringLiteral("ImportOK"), QStringLiteral("Import"), !sound},
        {ImportCancel, QStringLiteral("ImportCancel"), QStringLiteral("Cancel"), !sound},
    };
    for (const auto& button : buttons) {
        if (SimpleLayout())
            button.parts.plainTwin->setVisible(button.shown);
        else
            Support::ButtonUp(*this, button.name, button.caption, !button.shown);
    }
    Play.plainTwin->setEnabled(model_.HasSelection());
    if (!SimpleLayout() && sound)
        Support::EnableSkinButton(*this, QStringLiteral("Play"), model_.HasSelection());
}

void SelectSound::Refresh()
{
    FolderName->setText(model_.Folder());
    DirList->clear();
    DirList->addItems(model_.Folders());
    const QSignalBlocker block(FileList);
    FileList->clear();
    FileList->addItems(model_.Files());
    FileList->setCurrentRow(model_.SelectedFile());
    if (Play.plainTwin) {
        Play.plainTwin->setEnabled(model_.HasSelection());
        if (!SimpleLayout() && Play.face)
            Support::EnableSkinButton(*this, QStringLiteral("Play"), model_.HasSelection());
    }
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
    if (watched == HelpButton && event->type() == QEvent::MouseButtonRelease) {
        HelpCommand();
        return true;
    }
    return AnsweringDialog::eventFilter(watched, event);
}

} // namespace OptionsSupport
