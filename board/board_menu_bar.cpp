#include "board/board_menu_bar.h"

#include "board/board_layout.h"
#include "board/board_view.h"
#include "board/board_window.h"
#include "foundation/help.h"
#include "foundation/options_about_entry.h"
#include "foundation/press_label.h"

#include <QLabel>
#include <QPainter>
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

BoardMenuBar::BoardMenuBar(Board& window, GameController& game, BoardHost& port)
    : window_(window), game_(game), port_(port)
{
}

void BoardMenuBar::Create()
{
    Board* const board = &window_;
    menus_.Connect(window_);
    // The Help item of the Help menu stands in for the help button, which
    // only the skinned layout draws.
    menus_.mnuIntHelpMenu.Item(Support::HelpHelp)->setVisible(false);

    gameTitle_ = MenuTitle(board, "GameMenu_L", "Game", GameMenuLabelTwips);
    historyTitle_ = MenuTitle(board, "HistoryMenu_L", "History", HistoryMenuLabelTwips);
    helpTitle_ = MenuTitle(board, "HelpMenu_L", "Help", HelpMenuLabelTwips);
    gameButton_ = MenuTitle(board, "Menu1Button", "Game", Menu1ButtonTwips);
    historyButton_ = MenuTitle(board, "Menu2Button", "History", Menu2ButtonTwips);
    for (Support::PressLabel* button : {gameButton_, historyButton_}) {
        button->setAlignment(Qt::AlignCenter);
        button->setStyleSheet(QStringLiteral("QLabel { color: #F3E6CC; font-weight: bold; }"));
    }
    for (QWidget* plain : {gameTitle_, historyTitle_, helpTitle_})
        plain->hide();
    for (Support::PressLabel* control : {gameTitle_, gameButton_})
        QObject::connect(
            control, &Support::PressLabel::MouseDown, board,
            [this, control](Qt::MouseButton button) { GameMenu_MouseDown(control, button); });
    for (Support::PressLabel* control : {historyTitle_, historyButton_})
        QObject::connect(
            control, &Support::PressLabel::MouseDown, board,
            [this, control](Qt::MouseButton button) { HistoryMenu_MouseDown(control, button); });
    QObject::connect(helpTitle_, &Support::PressLabel::MouseDown, board,
                     [this](Qt::MouseButton button) { HelpMenu_L_MouseDown(button); });

    helpButton_ = MenuTitle(board, "HelpButton", "?", HelpButtonTwips);
    minimiseButton_ = MenuTitle(board, "MinimiseButton", "_", MinimiseButtonTwips);
    Support::StyleWindowButton(*helpButton_);
    Support::StyleWindowButton(*minimiseButton_);
    auto showHelp = [this] { Support::ShowHelpContext(&window_, HelpTopicBoard); };
    QObject::connect(helpButton_, &Support::PressLabel::Click, board, showHelp);
    // F1 is the help button's key in both layouts, whichever control has
    // the focus (the move list and the comment box would not pass it on).
    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), board);
    helpKey->setContext(Qt::WindowShortcut);
    QObject::connect(helpKey, &QShortcut::activated, board, showHelp);
    QObject::connect(minimiseButton_, &Support::PressLabel::Click, board,
                     [this] { window_.showMinimized(); });

    logo_ = new Support::PressLabel(board, QStringLiteral("MDLogo"));
    logo_->setGeometry(PxRect(MDLogoTwips));
    logo_->setPixmap(LogoPicture(logo_->size(), QString(QChar(0x265E)), QStringLiteral("Marrowdale")));
    QObject::connect(logo_, &Support::PressLabel::Click, board, [this] { port_.ShowCredits(); });
    drawLogo_ = new QLabel(board);
    drawLogo_->setObjectName(QStringLiteral("DrawLogo"));
    drawLogo_->setGeometry(PxRect(MDLogoTwips));
    drawLogo_->setPixmap(
        LogoPicture(drawLogo_->size(), QStringLiteral("\u00BD"), QStringLiteral("Draw offered")));
    drawLogo_->hide();

    BoardView* const squares = window_.View().Squares();
    squares->MarkPressed = [this](Qt::MouseButton button, QPoint global) {
        MovePointer_MouseDown(button, global);
    };
    squares->CoordPressed = [this](Qt::MouseButton button) { Coord_MouseDown(button); };
}

bool BoardMenuBar::InSetupMode() const
{
    return game_.Setup().Active();
}

void BoardMenuBar::EnableTitles(bool enabled)
{
    for (Support::PressLabel* title : {gameButton_, historyButton_, gameTitle_, historyTitle_})
        if (title)
            title->setEnabled(enabled);
}

void BoardMenuBar::PopUp(QMenu& menu, QPoint global)
{
    if (window_.ComputerThinking())
        return;
    menuGameId_ = game_.Info().gameId;
    ApplyMenuStates();
    emit window_.MenuShown(&menu, global);
    menu.popup(global);
}

bool BoardMenuBar::MenuStillApplies() const
{
    return !window_.Closing() && game_.Info().gameId == menuGameId_;
}

// The captions that follow the board's state; in play mode the commands
// the toolbar also has are enabled as its buttons are.
void BoardMenuBar::ApplyMenuStates()
{
    const bool opponentsView = game_.Info().viewColour != game_.Info().playerColour;
    const QString view =
        opponentsView ? QStringLiteral("View from me") : QStringLiteral("View from opponent");
    const QString coords = game_.Marks().CoordsShown() ? QStringLiteral("Hide coordinates")
                                                       : QStringLiteral("Show coordinates");
    // The two menus share their first two items.
    static_assert(int(ActionsView) == int(SetupView)
                  && int(ActionsCoordinates) == int(SetupCoordinates));
    for (Support::IndexedMenu* menu : {&menus_.mnuActionsMenu, &menus_.mnuSetupMenu}) {
        menu->Item(ActionsView)->setText(view);
        menu->Item(ActionsCoordinates)->setText(coords);
    }
    const CommandState& state = window_.Toolbar().Commands();
    if (!state.actionsTouched)
        return;
    for (int index = 0; index < ActionsItems; ++index) {
        QAction* item = menus_.mnuActionsMenu.Item(index);
        const MenuItemState& itemState = state.actions[std::size_t(index)];
        if (!item || item->isSeparator() || index == ActionsOptions)
            continue;
        item->setEnabled(itemState.enabled);
        if (!itemState.caption.empty())
            item->setText(QString::fromStdString(itemState.caption));
    }
}

void BoardMenuBar::GameMenu_MouseDown(QWidget* control, Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    PopUp(InSetupMode() ? menus_.mnuSetupMenu : menus_.mnuActionsMenu,
          control->mapToGlobal(QPoint(0, control->height())));
}

void BoardMenuBar::HistoryMenu_MouseDown(QWidget* control, Qt::MouseButton button)
{
    if (button != Qt::LeftButton || InSetupMode() || game_.History().Entries() < 1)
        return;
    PopUp(menus_.mnuHistoryMenu, control->mapToGlobal(QPoint(0, control->height())));
}

void BoardMenuBar::HelpMenu_L_MouseDown(Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        PopUp(menus_.mnuIntHelpMenu, helpTitle_->mapToGlobal(QPoint(0, helpTitle_->height())));
}

// The marks lie over their squares: a press there is not a press on the
// piece below.
void BoardMenuBar::MovePointer_MouseDown(Qt::MouseButton button, QPoint global)
{
    if (button != Qt::RightButton) {
        window_.View().RemoveHilight();
        if (game_.Marks().CoordsShown())
            window_.View().ToggleCoords();
        return;
    }
    if (!InSetupMode() && !window_.ComputerThinking())
        PopUp(menus_.mnuActionsMenu, global);
}

void BoardMenuBar::Coord_MouseDown(Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    window_.View().RemoveHilight();
    if (game_.Marks().CoordsShown())
        window_.View().ToggleCoords();
}

void BoardMenuBar::ShowOptions()
{
    Support::ShowOptions();
    // A new set that could not be loaded has closed the board already, and
    // the user has been told.
    if (window_.Closing())
        return;
    if (!port_.LoadChessSet()) {
        window_.close();
        return;
    }
    window_.View().Squares()->update();
    window_.DisplayBoardState();
    if (InSetupMode())
        window_.Setup().SetPiecePallete();
}

void BoardMenuBar::PrintCurrentBoardState()
{
    port_.PrintCurrentBoardState(PrintoutOf(game_), window_);
}

} // namespace BoardSupport
