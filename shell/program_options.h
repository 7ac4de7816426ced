#pragma once
// The tray window's side of the options window: its icon sets, its tray
// icon drawn again, the chess set reloaded for an open board, and the skin
// put on every open window.

#include "foundation/options_port.h"

namespace SysTraySupport {

class ProgramBoard;

class ProgramOptions : public Support::OptionsPort {
public:
    // board: the tray's board service, whose open window takes a new set;
    // none in tests of the tray alone.
    explicit ProgramOptions(ProgramBoard* board = nullptr) : board_(board) { }

    QList<QPixmap> TrayIconImages() override;
    void RedrawTrayIcon() override;
    void ChessSetChanged() override;
    bool ApplySkinToOpenWindows() override;

private:
    ProgramBoard* board_;
};

} // namespace SysTraySupport
