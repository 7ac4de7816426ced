#pragma once
// What the options window asks of the tray window when its settings are
// stored: the tray icon drawn again from another icon set, the chosen chess
// set into the picture stores, and the chosen skin on every open window.
// The tray's layer implements it; a test records the calls.

#include <QList>
#include <QPixmap>

namespace Support {

class OptionsPort {
public:
    virtual ~OptionsPort() = default;
    // The tray icon sets, three pictures each (normal, new move, no network).
    virtual QList<QPixmap> TrayIconImages() = 0;
    // The SysTrayIcons setting changed: the tray icon is drawn again.
    virtual void RedrawTrayIcon() = 0;
    // The ChessSet or ChessBoard setting changed.
    virtual void ChessSetChanged() = 0;
    // The Skin setting changed: every open window (the options window and
    // the hidden tray window among them) is skinned again. False at the
    // first window that could not be skinned.
    virtual bool ApplySkinToOpenWindows() = 0;
};

} // namespace Support
