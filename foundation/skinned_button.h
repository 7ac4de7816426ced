#pragma once
// Skinned dialog buttons. A button with base name X is five controls of its
// window, named after it (the skin knows them by these names): the face
// picture X, the transparent click target
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
// names the skin looks up) and paints itself: pressed
// while the left button is held on its face, released again when it lets
// go. Clicked comes from the face and from the plain twin alike. The window
// owns it like its parts, unless it is a member of the window.
class SkinnedButton : public QObject, public SkinnedButtonParts {
    Q_OBJECT
public:
    SkinnedButton(QWidget& window, const QString& baseName, const QRect& geometry,
                  const QString& plainTwinName = {});
    // With its captions set (see SetCaptions).
    SkinnedButton(QWidget& window, const QString& baseName, const QRect& geometry,
                  const QString& caption, const QString& plainCaption,
                  const QString& plainTwinName = {});

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
    // stays down while it is the current one. A pressed caption sits 2
    // pixels right and down; a disabled button keeps its grey caption.
    void PaintPressed(bool pressed);
    // Grey caption, a face that takes no clicks and a disabled twin, or the
    // other way round.
    void SetEnabled(bool enabled);
    // Moves every part, the twin included.
    void MoveBy(int dx, int dy);

    // The mouse buttons whose press on the face paints it pressed and whose
    // release paints it up again.
    Qt::MouseButtons PressButtons = Qt::LeftButton;
    // Whether such a press paints the face pressed and the release paints
    // it up again; always, while unset.
    std::function<bool()> ShowsPress;

signals:
    void Clicked();

private:
    QString caption_;
};

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
