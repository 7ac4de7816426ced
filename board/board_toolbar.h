#pragma once
// The board's toolbar and the commands behind it: seven skinned picture
// buttons with their click faces and their plain twins, laid out for play
// or set-up and enabled and captioned from the controller's command state;
// and the commands that store, send, resend and take back the player's
// move.

#include "game/game_controller.h"

#include <QPixmap>

#include <array>
#include <functional>

class QLabel;
class QPushButton;

namespace Support {
class ButtonFace;
class PictureClip;
} // namespace Support

namespace BoardSupport {

class Board;
class BoardHost;

class BoardToolbar {
public:
    BoardToolbar(Board& window, GameController& game, BoardHost& port);

    // The faces' picture strips (filled by the skin), then the buttons.
    void CreatePictures();
    void Create();

    // Items 1..7: the skinned picture, the face over it that takes the
    // mouse, and the plain twin.
    QLabel* Picture(int index) const { return pictures_[std::size_t(index)]; }
    Support::ButtonFace* Face(int index) const { return faces_[std::size_t(index)]; }
    QPushButton* Button(int index) const { return buttons_[std::size_t(index)]; }
    Support::PictureClip* Pictures() const { return pics_; }
    Support::PictureClip* SetupPictures() const { return setupPics_; }

    // The menus run the same commands: Click with the button's index does
    // what the button does, and nothing while it is disabled.
    void Click(int index);
    // Lays the toolbar out for the mode and applies the command state.
    void DisplayToolbar();
    // Applies the command state after the game's state changed (play mode).
    void SetButtonEnable();
    void RefreshBoardButtons();
    // The state the toolbar, the draw buttons and the comment box show
    // now; the menus take their items' enabling and captions from it.
    const CommandState& Commands() const { return commands_; }
    // Told every time the command state is applied in play mode.
    std::function<void(const CommandState&)> CommandsChanged;

    // Stores the last row; false (after saying why) when it could not be.
    bool SaveMove();
    // Stores the player's row, hands the game to the mail or a move file,
    // and closes the window; a row that could not be stored stays, unsent.
    void SendNewMove();
    // Hands the stored game over again and closes the window.
    void ResendLastMove();
    // Takes back the player's unsent row.
    void UndoLastMove();
    // Stores the computer's row and backs the database up.
    void SaveComputerMove();
    // The move is being handed over: the window takes no command and does
    // not close meanwhile.
    bool Sending() const { return busy_; }

private:
    QPixmap FacePicture(const ToolbarFace& face) const;
    void ShowButton(int index, const ButtonState& state);
    void ApplyCommandState();
    void Toolbar1_MouseDown(int index);
    void Toolbar1_MouseUp(int index);
    void Toolbar1S_Click(int index);
    void TransmitGame(int gameId);
    bool SetupMode() const { return game_.Setup().Active(); }

    Board& window_;
    GameController& game_;
    BoardHost& port_;
    Support::PictureClip* pics_ = nullptr;
    Support::PictureClip* setupPics_ = nullptr;
    std::array<QLabel*, ToolbarButtons + 1> pictures_{};
    std::array<Support::ButtonFace*, ToolbarButtons + 1> faces_{};
    std::array<QPushButton*, ToolbarButtons + 1> buttons_{};
    CommandState commands_;
    bool busy_ = false;
};

} // namespace BoardSupport
