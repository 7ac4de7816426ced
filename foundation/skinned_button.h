#pragma once
// Skinned dialog buttons. A button with base name X is five controls of its
// window, found by name: the face picture X, the transparent click target
// XFace laid over it, the black caption XLabel_1, its light grey copy
// XLabel_2 one pixel right of and below it, and the plain push button twin
// used in the plain layout (XS; the message box's OK twin is "OKButtonS").
// The face pictures are cells 0 (up) and 1 (pressed) of the picture stores'
// ButtonImages, shared by every skinned button.

#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

namespace Support {

// The click target of a skinned button: it draws nothing and reports
// presses, releases and clicks (a release over the face after a press).
class ButtonFace : public QWidget {
    Q_OBJECT
public:
    explicit ButtonFace(QWidget* parent);

signals:
    void Click();
    void MouseDown(Qt::MouseButton button);
    void MouseUp(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

struct SkinnedButtonParts {
    QLabel* picture = nullptr;
    ButtonFace* face = nullptr;
    QLabel* caption = nullptr;
    QLabel* shadow = nullptr;
    QPushButton* plainTwin = nullptr;
};

// One skinned button that owns its five parts (made on its window, under the
// names the skin and the routines below look up) and paints itself: pressed
// while the left button is held on its face, released again when it lets
// go. Clicked comes from the face and from the plain twin alike. The window
// owns it like its parts, unless it is a member of the window.
class SkinnedButton : public QObject, public SkinnedButtonParts {
    Q_OBJECT
public:
    SkinnedButton(QWidget& window, const QString& baseName, const QRect& geometry,
                  const QString& plainTwinName = {});
    // With its captions set (see SetCaptions).
    SkinnedButton(QWidget& window, const QString& baseName, const QRect& geometry, const QString& caption,
                  const QString& plainCaption, const QString& plainTwinName = {});

    const QString& Caption() const { return caption_; }
    // The face's caption and the twin's, whose "&" marks its shortcut.
    void SetCaptions(const QString& caption, const QString& plainCaption);
    // Skinned: the face released with the caption; plain: the twin with the
    // caption (an "&" shows as itself), shown.
    void ShowSkinned(const QString& caption);
    void ShowPlain(const QString& caption);
    // The layout's form with the captions set: skinned, the face released
    // (the twin as it was); plain, the twin shown and the skinned parts
    // hidden.
    void Show(bool simpleUI);
    // Hides the four skinned parts; the twin stays as it is.
    void HideSkinned();
    // Hides all five parts.
    void Hide();
    // Paints the face pressed or released with the caption, as a tab that
    // stays down while it is the current one.
    void PaintPressed(bool pressed);
    // Grey caption, a face that takes no clicks and a disabled twin, or the
    // other way round.
    void SetEnabled(bool enabled);
    // Moves every part, the twin included.
    void MoveBy(int dx, int dy);

    // Whether a left press on the face paints it pressed and the release
    // paints it up again; always, while unset.
    std::function<bool()> ShowsPress;

signals:
    void Clicked();

private:
    QString caption_;
};

// Makes the five controls of a button at `geometry` (window pixels), all
// hidden until painted or shown. The twin is named plainTwinName, or the
// base name followed by "S".
SkinnedButtonParts CreateSkinnedButton(QWidget& window, const QString& baseName,
                                       const QRect& geometry, const QString& plainTwinName = {});

// The parts of an existing button; members are null where a part is missing.
SkinnedButtonParts FindSkinnedButton(QWidget& window, const QString& baseName);

// Paint the button released or pressed with the caption; with hide, only
// hide its four skinned parts. A pressed caption sits 2 pixels right and
// down. A disabled button keeps its grey caption.
void ButtonUp(QWidget& window, const QString& baseName, const QString& caption, bool hide);
void ButtonDown(QWidget& window, const QString& baseName, const QString& caption, bool hide);

// Grey caption and a face that takes no clicks when disabled; black
// caption and a live face when enabled.
void EnableSkinButton(QWidget& window, const QString& baseName, bool enabled);

// Pixel forms of the button's offsets (2 px is 30 twips, 1 px is 10).
inline constexpr int PressedShift = 2;
inline constexpr int ShadowOffset = 1;
inline constexpr QRgb CaptionColour = 0x000000;
inline constexpr QRgb ShadowColour = 0xC0C0C0;
inline constexpr QRgb DisabledCaptionColour = 0x808080;

// The caption's top: centred on the face, rounded down.
int CaptionTop(int faceTop, int faceHeight, int captionHeight);

// The face picture of a cell of the stores' ButtonImages strip; null while
// no skin has filled it.
QPixmap ButtonFaceCell(int cell);

} // namespace Support
