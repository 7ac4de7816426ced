#pragma once
// What the about box, the credits and the print options dialog share: the
// skinned or plain layout at load, keys seen by the window before any of
// its controls, and a close from the window's frame handed to the window
// to answer as it must.

#include <QDialog>

class QLabel;

namespace Dialogs {

// A label of plain text at its place in the window.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QRect& geometry, const QString& text);

class DialogWindow : public QDialog {
    Q_OBJECT
protected:
    // Drags by the background in both layouts; plain: SetSimpleUI, else the
    // shaped outline and the skin. False when the skin failed.
    bool LoadLayout(bool simpleUI);
    virtual void SetSimpleUI() = 0;

    // Call once every control exists: they pass their keys to HandleKey.
    void TakeKeysFirst();
    // True when the key was the window's.
    virtual bool HandleKey(int key) = 0;
    // The frame's close box and the platform's reject.
    virtual void CloseRequested() = 0;

    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
};

} // namespace Dialogs
