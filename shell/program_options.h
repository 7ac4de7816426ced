#pragma once
// The tray window's side of the options window: its icon sets, its tray
// icon drawn again, the chess set reloaded for an open board, and the skin
// put on every open window.

#include "foundation/options_port.h"

namespace SysTraySupport {

class ProgramOptions : public Support::OptionsPort {
public:
    QList<QPixmap> TrayIconImages() override;
    void RedrawTrayIcon() override;
    void ChessSetChanged() override;
    bool ApplySkinToOpenWindows() override;
};

} // namespace SysTraySupport
