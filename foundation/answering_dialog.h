#pragma once
// The base of the program's dialogs, which answer once. A dialog never
// unloads itself: its first answer (a button, Enter, Escape, the frame's
// close box, a time-out) is recorded and the window hides, which ends the
// modal host's display; the caller reads the answer, then lets the window
// go. The window sees Enter, Escape and F1 before any of its controls, so a
// focused button or field never takes them.

#include <QDialog>

#include <utility>

namespace Support {

class DialogWindow : public QDialog {
    Q_OBJECT
public:
    bool Answered() const { return answered_; }
    bool SimpleLayout() const { return simpleUI_; }

protected:
    // For a window laid out on its skin picture: drags by its background
    // (as its outline's rule says); plain: SetSimpleUI, else the shaped
    // outline and the skin. False when the skin failed: the window must not
    // be shown.
    bool LoadLayout(bool simpleUI);
    virtual void SetSimpleUI() { }

    // Call once every control exists: each hands its keys to the window.
    void TakeKeysFirst();

    // Enter and Escape are always the window's, whatever they then do.
    virtual void EnterPressed() { }
    virtual void EscapePressed() { }
    // The help topic F1 opens; 0 leaves F1 to the controls.
    virtual int HelpTopic() const { return 0; }
    // The frame's close box (which also closes the window's help) or the
    // platform's reject before any answer: Escape, unless the window says
    // otherwise.
    virtual void CloseRequested() { EscapePressed(); }
    // What the window stops or lets go of as it is answered, before it hides.
    virtual void Answering() { }

    // Records that the window has answered and hides it. False, doing
    // nothing, when it had answered already.
    bool EndWithAnswer();

    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    bool HandleKey(int key);

    bool simpleUI_ = false;
    bool answered_ = false;
};

// A dialog whose answer is a value of AnswerType, `unanswered` until the
// first answer is given; later answers are ignored.
template <typename AnswerType>
class AnsweringDialog : public DialogWindow {
public:
    const AnswerType& Answer() const { return answer_; }

protected:
    explicit AnsweringDialog(AnswerType unanswered) : answer_(std::move(unanswered)) { }

    void AnswerWith(AnswerType answer)
    {
        if (Answered())
            return;
        answer_ = std::move(answer);
        EndWithAnswer();
    }

private:
    AnswerType answer_;
};

// The answer of a dialog with OK and Cancel.
enum class DialogAnswer { Ok, Cancel };

} // namespace Support
