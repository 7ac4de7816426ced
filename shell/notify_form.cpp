#include "shell/notify_form.h"

#include "foundation/cursor_guard.h"
#include "foundation/help.h"
#include "foundation/message_box.h"
#include "foundation/modal_host.h"
#include "foundation/notification_timeout.h"
#include "foundation/options_about_entry.h"
#include "foundation/polling_pause.h"
#include "foundation/press_label.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/skin.h"
#include "foundation/tool_tip.h"
#include "foundation/window_names.h"
#include "foundation/window_shape.h"
#include "shell/pending_moves.h"
#include "store/database.h"

#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPushButton>

namespace Support {

namespace {

using SysTraySupport::NotifyGameList;
using SysTraySupport::NotifyLater;
using SysTraySupport::NotifyNext;
using SysTraySupport::NotifyPlay;

constexpr int HelpTopicNotification = 6;
constexpr int LongCommentLength = 100;

// The skinned layout, in pixels of the background picture (400 x 230).
constexpr QSize SkinnedSize(400, 230);
constexpr int LabelLeft = 24;
constexpr int ValueWidth = 352;
constexpr QRect OpNameRect(LabelLeft, 52, ValueWidth, 20);
constexpr QRect GameNameRect(LabelLeft, 76, ValueWidth, 20);
constexpr QRect MoveCommentRect(LabelLeft, 100, ValueWidth, 42);
// In the plain look the values stand right of their labels.
constexpr int PlainValueLeft = 104;
constexpr QRect Label3Rect(LabelLeft, 150, 352, 18);
constexpr QRect HelpRect(364, 9, 23, 23);
constexpr int ButtonTop = 182;
constexpr QSize ButtonSize(90, 26);
constexpr int ButtonLeft[4] = {11, 107, 203, 299}; // Play, Next, Game list, Later
constexpr QRect ButtonRect(int index)
{
    return QRect(QPoint(ButtonLeft[index], ButtonTop), ButtonSize);
}
// The plain layout: 150 twips left, 200 up; 400 narrower, 450 lower.
constexpr PlainLayoutShift PlainLayout{10, 13, 27, 30};
// The skinned row of buttons is wider than the plain window: there the
// buttons line up with the labels and fields above them.
constexpr int PlainButtonGap = 8;
constexpr int PlainButtonWidth = (ValueWidth - 3 * PlainButtonGap) / 4;

QLabel* MakeLabel(QWidget* parent, const QString& name, const QRect& geometry, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    return label;
}

} // namespace

std::optional<NotificationContent> LoadNotification(const Database::DataFolder& folder,
                                                    const std::string& pendingMoveList)
{
    const std::optional<std::int32_t> id = SysTraySupport::FirstPendingId(pendingMoveList);
    if (!id)
        return std::nullopt;
    const Database::FoundGame found = Database::FindGame(folder, *id);
    MoveList moves;
    if (!found.ok || found.count != 1 || !Database::LoadGameMoves(folder, moves, *id))
        return std::nullopt;
    const GameRecord& game = *found.game;
    NotificationContent content;
    content.GameId = *id;
    content.Opponent = QString::fromStdString(game.GAME_OPPONENTS_NAME);
    content.Title = QString::fromStdString(game.GAME_NAME);
    if (!moves.empty())
        content.Comment = QString::fromStdString(moves.back().comment);
    content.LongComment = content.Comment.size() > LongCommentLength;
    // Next offers another game: the same id twice in the list is one game.
    content.NextEnabled =
        SysTraySupport::FirstPendingId(SysTraySupport::RemovePendingId(pendingMoveList, *id))
            .has_value();
    return content;
}

NotifyForm::NotifyForm()
    : AnsweringDialog(NotifyLater), PlayButton(*this, QStringLiteral("PlayButton"), ButtonRect(0)),
      NextButton(*this, QStringLiteral("NextButton"), ButtonRect(1)),
      GameListButton(*this, QStringLiteral("GameListButton"), ButtonRect(2)),
      LaterButton(*this, QStringLiteral("LaterButton"), ButtonRect(3))
{
    setObjectName(QLatin1String(WindowNames::NotifyForm));
    setWindowTitle(QStringLiteral("Marrowdale : New game..."));
    setFixedSize(SkinnedSize);
    opName_L = MakeLabel(this, QStringLiteral("opName_L"), QRect(LabelLeft, 52, 76, 20),
                         QStringLiteral("Opponent:"));
    GameName_L = MakeLabel(this, QStringLiteral("GameName_L"), QRect(LabelLeft, 76, 76, 20),
                           QStringLiteral("Game:"));
    MoveComment_L = MakeLabel(this, QStringLiteral("MoveComment_L"), QRect(LabelLeft, 100, 76, 20),
                              QStringLiteral("Comment:"));
    for (QLabel* label : {opName_L, GameName_L, MoveComment_L})
        label->hide();
    OpName = MakeLabel(this, QStringLiteral("OpName"), OpNameRect);
    QFont bold = OpName->font();
    bold.setBold(true);
    OpName->setFont(bold);
    GameName = MakeLabel(this, QStringLiteral("GameName"), GameNameRect);
    MoveComment = MakeLabel(this, QStringLiteral("MoveComment"), MoveCommentRect);
    MoveComment->setWordWrap(true);
    MoveComment->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3 =
        MakeLabel(this, QStringLiteral("Label3"), Label3Rect, QStringLiteral("What do you want to do?"));
    HelpButton = MakeLabel(this, QStringLiteral("HelpButton"), HelpRect, QStringLiteral("?"));
    StyleWindowButton(*HelpButton);
    HelpButton->installEventFilter(this);

    WireButton(PlayButton, QStringLiteral("Play"), QStringLiteral("&Play"), NotifyPlay);
    WireButton(NextButton, QStringLiteral("Next"), QStringLiteral("&Next"), NotifyNext);
    WireButton(GameListButton, QStringLiteral("Game list"), QStringLiteral("&Game list"),
               NotifyGameList);
    WireButton(LaterButton, QStringLiteral("Later"), QStringLiteral("&Later"), NotifyLater);

    connect(&TimeoutTicker, &QTimer::timeout, this, &NotifyForm::TimeoutTicker_Timer);
    TakeKeysFirst();
}

void NotifyForm::WireButton(SkinnedButton& button, const QString& caption, const QString& plainCaption,
                            SysTraySupport::NotifyChoice choice)
{
    button.SetCaptions(caption, plainCaption);
    connect(&button, &SkinnedButton::Clicked, this, [this, choice] { AnswerWith(choice); });
}

bool NotifyForm::Form_Load(bool simpleUI, bool nextEnabled)
{
    if (!LoadLayout(simpleUI))
        return false;
    for (SkinnedButton* button : {&PlayButton, &NextButton, &GameListButton, &LaterButton})
        button->Show(simpleUI);
    NextButton.SetEnabled(nextEnabled);
    SetToolTips();
    return true;
}

void NotifyForm::SetSimpleUI()
{
    for (QLabel* label : {opName_L, GameName_L, MoveComment_L})
        label->show();
    for (QLabel* value : {OpName, GameName, MoveComment}) {
        value->setFrameShape(QFrame::Box);
        value->setGeometry(PlainValueLeft, value->y(), value->width() - (PlainValueLeft - LabelLeft),
                           value->height());
    }
    HelpButton->hide();
    int left = LabelLeft;
    for (SkinnedButton* button : {&PlayButton, &NextButton, &GameListButton, &LaterButton}) {
        button->plainTwin->setGeometry(left, ButtonTop, PlainButtonWidth, ButtonSize.height());
        left += PlainButtonWidth + PlainButtonGap;
    }
    ShiftIntoPlainLayout(*this, PlainLayout);
}

void NotifyForm::SetToolTips()
{
    const bool on = ProgramSettings().ShowToolTips;
    const std::pair<SkinnedButton*, const char*> tips[] = {
        {&PlayButton, "Play the new move"},
        {&GameListButton, "Open the game interface"},
        {&LaterButton, "Ignore the new move for now"},
        {&NextButton, "Skip this move and look at the next"}};
    for (const auto& [button, tip] : tips)
        Support::SetToolTip(button->face, tip, on);
}

void NotifyForm::Show(const NotificationContent& content)
{
    OpName->setText(content.Opponent);
    GameName->setText(content.Title);
    MoveComment->setText(content.Comment);
    QFont font = MoveComment->font();
    font.setPointSize(content.LongComment ? 7 : 8);
    font.setBold(!content.LongComment);
    MoveComment->setFont(font);
    if (!SimpleLayout())
        MoveComment->setVisible(!content.Comment.isEmpty());
}

void NotifyForm::StartTimeout(int ticks)
{
    TimeoutTicker.Start(ticks);
}

void NotifyForm::TimeoutTicker_Timer()
{
    if (TimeoutTicker.Tick())
        AnswerWith(NotifyLater);
}

void NotifyForm::Answering()
{
    TimeoutTicker.stop();
}

void NotifyForm::EnterPressed()
{
    AnswerWith(NotifyPlay);
}

void NotifyForm::EscapePressed()
{
    AnswerWith(NotifyLater);
}

int NotifyForm::HelpTopic() const
{
    return HelpTopicNotification;
}

bool NotifyForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == HelpButton && event->type() == QEvent::MouseButtonRelease) {
        ShowHelpContext(this, HelpTopicNotification);
        return true;
    }
    return AnsweringDialog::eventFilter(watched, event);
}

int ShowNotification()
{
    PollingPause guard;
    const Settings& settings = ProgramSettings();
    const Database::DataFolder folder(QFile::encodeName(Globals().DataPath).toStdString());
    const std::optional<NotificationContent> content =
        LoadNotification(folder, Globals().Mail.PendingMoveList);
    NotifyForm form;
    if (!form.Form_Load(settings.SimpleUI, content && content->NextEnabled))
        return NotifyLater;
    const CursorGuard pointer(Qt::ArrowCursor);
    form.StartTimeout(NotificationTimeoutTicks(settings.NotificationTimeout));
    if (!content) {
        ShowMessage(
            Support::MsgIcon::Information, QStringLiteral("Notification error."),
            QStringLiteral(
                "The new game appears to be missing from the database.||Please try deleting this "
                "game and getting your opponent to send the move agian."),
            QStringLiteral("OK"), QString(), false);
        return NotifyLater;
    }
    form.Show(*content);
    BringToTop(&form);
    CurrentModalHost().RunModal(form);
    CloseHelp(&form);
    return form.Answer();
}

} // namespace Support
