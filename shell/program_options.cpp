#include "shell/program_options.h"

#include "shell/program_board.h"
#include "shell/system_tray.h"
#include "shell/tray_state.h"

#include "foundation/chess_set.h"
#include "foundation/picture_stores.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/skin.h"
#include "foundation/skin_table.h"

#include <QApplication>
#include <QWidget>

namespace SysTraySupport {

namespace {

// The loaded windows that take a skin: the tray window and every top-level
// window the skin table names.
QList<QWidget*> SkinnedWindows()
{
    QList<QWidget*> windows;
    if (QWidget* tray = Support::Globals().TrayForm)
        windows << tray;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (!windows.contains(window) && Support::FindFormSkin(window->objectName().toStdString()))
            windows << window;
    return windows;
}

} // namespace

QList<QPixmap> ProgramOptions::TrayIconImages()
{
    QList<QPixmap> images;
    const Support::ImageList& sets = Support::Pictures().TrayIconSets;
    for (int i = 1; i <= sets.Count(); ++i)
        images << sets.ListImages(i);
    return images;
}

void ProgramOptions::RedrawTrayIcon()
{
    UpdateTrayState(TrayModify);
}

void ProgramOptions::ChessSetChanged()
{
    // The set is loaded as each board opens; an open board takes the new
    // one now, and closes when it cannot be loaded (the user is told why).
    BoardSupport::Board* board = board_ ? board_->OpenWindow() : nullptr;
    if (!board)
        return;
    const Support::Settings& settings = Support::ProgramSettings();
    if (Support::LoadChessSet(settings.ChessSet, settings.ChessBoard)) {
        board->DisplayBoardState();
        if (board->Game().Setup().Active())
            board->SetPiecePallete();
    } else
        board->close();
}

bool ProgramOptions::ApplySkinToOpenWindows()
{
    for (QWidget* window : SkinnedWindows())
        if (!Support::ApplySkin(*window))
            return false;
    for (QWidget* window : SkinnedWindows())
        window->update();
    return true;
}

} // namespace SysTraySupport
