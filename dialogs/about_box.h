#pragma once
// The about box: the program's name, version and description, a picture
// and the program's icon. OK, Enter and Escape close it; F1 opens its help
// topic. Dragging the icon onto the picture opens the scrolling credits.
// Shown modally only through Support::ShowAboutBox, which pauses the mail.

#include "foundation/answering_dialog.h"
#include "foundation/skinned_button.h"

#include <QLabel>

class QFrame;
class QPushButton;

namespace AboutSupport {

inline constexpr int AboutHelpTopic = 2;

// A picture that can be dragged with the mouse (press, move, release; no
// drag-and-drop machinery): it shows its drag cursor while dragged and
// reports where on the screen it was let go.
class DraggableIcon : public QLabel {
    Q_OBJECT
public:
    explicit DraggableIcon(QWidget* parent);

signals:
    void DroppedAt(const QPoint& globalPosition);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool dragging_ = false;
};

class AboutBox : public Support::DialogWindow {
    Q_OBJECT
public:
    AboutBox();
    ~AboutBox() override;

    // Lays the window out skinned or plain. False when the skin could not
    // be applied: the window must not be shown.
    bool Form_Load(bool simpleUI);
    // The plain layout.
    void SetSimpleUI() override;

    // Controls, by the names the skin looks up.
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* VerNo;
    QLabel* lblDescription;
    QLabel* Image1;
    DraggableIcon* picIcon;
    Support::SkinnedButton* OkButton;
    QPushButton* OKButtonS;
    QFrame* Shape[7] = {}; // Shape[1] to Shape[6]

public slots:
    void OkButtonFace_Click();
    // Whatever lands on the picture opens the credits, modally over the box.
    void Image1_DragDrop();

protected:
    // Enter, Escape and closing are OK.
    void EnterPressed() override;
    void EscapePressed() override;
    int HelpTopic() const override;
    void Answering() override;

private:
    void CreateLabels();
    void CreatePictures();
    void CreateFrames();
    void CreateOkButton();
    void Form_Unload();

    bool unloaded_ = false;
};

// Shows the about box modally (the about entry's window): skinned or plain
// as the SimpleUI setting says.
void RunAboutBox();
// Puts RunAboutBox in place as the program's about box.
void InstallAboutBox();

} // namespace AboutSupport
