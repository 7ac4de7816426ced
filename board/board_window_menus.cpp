// The board window's menus and small window events: the menu titles and
// menu buttons, the right click on a move mark, clicks that clear the
// move marks or the coordinates, help, minimise, the logo, and the
// buttons drawn again after a new skin.
#include "board/board_window.h"

#include "board/board_layout.h"
#include "board/board_view.h"
#include "foundation/help.h"
#include "foundation/options_about_entry.h"
#include "foundation/press_label.h"
#include "foundation/program_state.h"
#include "foundation/skinned_button.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>

namespace BoardSupport {

namespace {

Support::PressLabel* MenuTitle(QWidget* parent, const char* name, const char* caption, QRect twips)
{
    auto* label = new Support::PressLabel(parent, QString::fromLatin1(name));
    label->setText(QString::fromLatin1(caption));
    label->setGeometry(PxRect(twips));
    return label;
}

// Our own marks for the logo and the draw offer: a glyph over a word, in
// the colours of the wood.
QPixmap LogoPicture(QSize size, const QString& glyph, const QString& word)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // The lowest fifth stays empty: in the plain layout the comment area's
    // frame rises into it.
    const int used = size.height() * 4 / 5;
    const QRect glyphArea(0, 0, size.width(), used * 2 / 3);
    const QRect wordArea(0, glyphArea.bottom(), size.width(), used - glyphArea.height());
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(glyphArea.height() - 4);
    painter.setFont(font);
    painter.setPen(QColor(0x5A, 0x3E, 0x28));
    painter.drawText(glyphArea, Qt::AlignCenter, glyph);
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(wordArea, Qt::AlignCenter, word);
    return picture;
}

} // namespace

void Board::CreateMenuControls()
{
    HistoryMenu = &Menus.mnuHistoryMenu;
    Menus.Connect(*this);
    // The Help item of the Help menu stands in for the help button, which
    // only the skinned layout draws.
    Menus.mnuIntHelpMenu.Item(Support::HelpHelp)->setVisible(false);

    GameMenu_L = MenuTitle(this, "GameMenu_L", "Game", GameMenuLabelTwips);
    HistoryMenu_L = MenuTitle(this, "HistoryMenu_L", "History", HistoryMenuLabelTwips);
    HelpMenu_L = MenuTitle(this, "HelpMenu_L", "Help", HelpMenuLabelTwips);
    Menu1Button = MenuTitle(this, "Menu1Button", "Game", Menu1ButtonTwips);
    Menu2Button = MenuTitle(this, "Menu2Button", "History", Menu2ButtonTwips);
    for (Support::PressLabel* button : {Menu1Button, Menu2Button}) {
        button->setAlignment(Qt::AlignCenter);
        button->setStyleSheet(QStringLiteral("QLabel { color: #F3E6CC; font-weight: bold; }"));
    }
    for (QWidget* plain : {GameMenu_L, HistoryMenu_L, HelpMenu_L})
        plain->hide();
    for (Support::PressLabel* control : {GameMenu_L, Menu1Button})
        connect(control, &Support::PressLabel::MouseDown, this,
                [this, control](Qt::MouseButton button) { GameMenu_MouseDown(control, button); });
    for (Support::PressLabel* control : {HistoryMenu_L, Menu2Button})
        connect(control, &Support::PressLabel::MouseDown, this,
                [this, control](Qt::MouseButton button) { HistoryMenu_MouseDown(control, button); });
    connect(HelpMenu_L, &Support::PressLabel::MouseDown, this,
            [this](Qt::MouseButton button) { HelpMenu_L_MouseDown(button); });

    HelpButton = MenuTitle(this, "HelpButton", "?", HelpButtonTwips);
    MinimiseButton = MenuTitle(this, "MinimiseButton", "_", MinimiseButtonTwips);
    Support::StyleWindowButton(*HelpButton);
    Support::StyleWindowButton(*MinimiseButton);
    connect(HelpButton, &Support::PressLabel::Click, this, [this] { HelpButton_Click(); });
    // F1 is the help button's key in both layouts, whichever control has
    // the focus (the move list and the comment box would not pass it on).
    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    helpKey->setContext(Qt::WindowShortcut);
    connect(helpKey, &QShortcut::activated, this, [this] { HelpButton_Click(); });
    connect(MinimiseButton, &Support::PressLabel::Click, this, [this] { MinimiseButton_Click(); });

    MDLogo = new Support::PressLabel(this, QStringLiteral("MDLogo"));
    MDLogo->setGeometry(PxRect(MDLogoTwips));
    MDLogo->setPixmap(LogoPicture(MDLogo->size(), QString(QChar(0x265E)), QStringLiteral("Marrowdale")));
    connect(MDLogo, &Support::PressLabel::Click, this, [this] { MDLogo_Click(); });
    DrawLogo = new QLabel(this);
    DrawLogo->setObjectName(QStringLiteral("DrawLogo"));
    DrawLogo->setGeometry(PxRect(MDLogoTwips));
    DrawLogo->setPixmap(
        LogoPicture(DrawLogo->size(), QStringLiteral("\u00BD"), QStringLiteral("Draw offered")));
    DrawLogo->hide();

    LabelBoarder_L = new QLabel(this);
    LabelBoarder_L->setObjectName(QStringLiteral("LabelBoarder_L"));
    LabelBoarder_L->setGeometry(PxRect(LabelBoarderTwips));
    LabelBoarder_L->setFrameStyle(QFrame::Box | QFrame::Sunken);
    LabelBoarder_L->hide();

    // Laid out where the plain layout's shift puts them in place.
    SearchProgress->setGeometry(PxRect(PlayerCommentTwips));
    CancelSearchS->setGeometry(PxRect(CancelSearchPlainTwinTwips));

    CBoard->MarkPressed = [this](Qt::MouseButton button, QPoint global) {
        MovePointer_MouseDown(button, global);
    };
    CBoard->CoordPressed = [this](Qt::MouseButton button) { Coord_MouseDown(button); };
    for (QWidget* control : {static_cast<QWidget*>(PlayersTag), static_cast<QWidget*>(OpponentComment),
                             static_cast<QWidget*>(PlayerComment_L),
                             static_cast<QWidget*>(PlayerComment), static_cast<QWidget*>(this)})
        control->installEventFilter(this);
}

bool Board::InSetupMode() const
{
    return game_.Setup().Active();
}

void Board::PopUp(QMenu& menu, QPoint global)
{
    if (ComputerThinking())
        return;
    menuGameId_ = game_.Info().gameId;
    ApplyMenuStates();
    emit MenuShown(&menu, global);
    menu.popup(global);
}

bool Board::MenuStillApplies() const
{
    return !windowClosing_ && game_.Info().gameId == menuGameId_;
}

// The captions that follow the board's state; in play mode the commands
// the toolbar also has are enabled as its buttons are.
void Board::ApplyMenuStates()
{
    const bool opponentsView = game_.Info().viewColour != game_.Info().playerColour;
    const QString view =
        opponentsView ? QStringLiteral("View from me") : QStringLiteral("View from opponent");
    const QString coords = game_.Marks().CoordsShown() ? QStringLiteral("Hide coordinates")
                                                       : QStringLiteral("Show coordinates");
    // The two menus share their first two items.
    static_assert(int(ActionsView) == int(SetupView) && int(ActionsCoordinates) == int(SetupCoordinates));
    for (Support::IndexedMenu* menu : {&Menus.mnuActionsMenu, &Menus.mnuSetupMenu}) {
        menu->Item(ActionsView)->setText(view);
        menu->Item(ActionsCoordinates)->setText(coords);
    }
    const CommandState& state = Commands();
    if (!state.actionsTouched)
        return;
    for (int index = 0; index < ActionsItems; ++index) {
        QAction* item = Menus.mnuActionsMenu.Item(index);
        const MenuItemState& itemState = state.actions[std::size_t(index)];
        if (!item || item->isSeparator() || index == ActionsOptions)
            continue;
        item->setEnabled(itemState.enabled);
        if (!itemState.caption.empty())
            item->setText(QString::fromStdString(itemState.caption));
    }
}

void Board::GameMenu_MouseDown(QWidget* control, Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    PopUp(InSetupMode() ? Menus.mnuSetupMenu : Menus.mnuActionsMenu,
          control->mapToGlobal(QPoint(0, control->height())));
}

void Board::HistoryMenu_MouseDown(QWidget* control, Qt::MouseButton button)
{
    if (button != Qt::LeftButton || InSetupMode() || game_.History().Entries() < 1)
        return;
    PopUp(Menus.mnuHistoryMenu, control->mapToGlobal(QPoint(0, control->height())));
}

void Board::HelpMenu_L_MouseDown(Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        PopUp(Menus.mnuIntHelpMenu, HelpMenu_L->mapToGlobal(QPoint(0, HelpMenu_L->height())));
}

// The marks lie over their squares: a press there is not a press on the
// piece below.
void Board::MovePointer_MouseDown(Qt::MouseButton button, QPoint global)
{
    if (button != Qt::RightButton) {
        RemoveHilight();
        if (game_.Marks().CoordsShown())
            ToggleCoords();
        return;
    }
    if (!InSetupMode() && !ComputerThinking())
        PopUp(Menus.mnuActionsMenu, global);
}

void Board::Coord_MouseDown(Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    RemoveHilight();
    if (game_.Marks().CoordsShown())
        ToggleCoords();
}

void Board::RemoveHilight()
{
    if (!game_.Marks().Shown())
        return;
    game_.Marks().Remove();
    DisplayBoardState();
}

void Board::HelpButton_Click()
{
    Support::ShowHelpContext(this, HelpTopicBoard);
}

void Board::MDLogo_Click()
{
    port_.ShowCredits();
}

void Board::MinimiseButton_Click()
{
    showMinimized();
}

void Board::ShowOptions()
{
    Support::ShowOptions();
    // A new set that could not be loaded has closed the board already, and
    // the user has been told.
    if (windowClosing_)
        return;
    if (!port_.LoadChessSet()) {
        close();
        return;
    }
    CBoard->update();
    DisplayBoardState();
    if (InSetupMode())
        SetPiecePallete();
}

void Board::PrintCurrentBoardState()
{
    port_.PrintCurrentBoardState(PrintoutOf(game_), *this);
}

// After a new skin the buttons take their faces from it.
void Board::Form_Activate()
{
    Support::ProgramState& state = Support::Globals();
    if (!state.SkinRefreshPending)
        return;
    RefreshBoardButtons();
    if (!simpleUI_)
        for (Support::SkinnedButton* button : {AcceptDraw, DeclineDraw, CancelSearch})
            if (button->picture->isVisible())
                button->picture->setPixmap(Support::ButtonFaceCell(button->face->isEnabled() ? 0 : 1));
    skinReapplied_ = true;
    state.SkinRefreshPending = false;
}

void Board::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
    QWidget::changeEvent(event);
}

// A click on the window, the players' tag or the comments clears the move
// marks. On the skinned window a press starts a drag and makes no click.
bool Board::eventFilter(QObject* watched, QEvent* event)
{
    const bool windowClick = watched == this && event->type() == QEvent::MouseButtonRelease
                             && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    const bool controlClick = watched != this && event->type() == QEvent::MouseButtonPress;
    if (windowClick || controlClick)
        RemoveHilight();
    return QWidget::eventFilter(watched, event);
}

} // namespace BoardSupport
