#pragma once
// A skinned window has no frame of the platform's: its caption is drawn on
// the title band of its own picture, as the message box draws its own. The
// label follows the window's title as it changes and stands in the widest
// stretch of the band that the window's other controls leave free.

#include <QLabel>

namespace Support {

class TitleCaption : public QLabel {
    Q_OBJECT
public:
    // The window's caption label, made once; nullptr for a window that
    // has no band or draws its caption itself (a child named
    // "FormCaption").
    static TitleCaption* ShowOn(QWidget& window);
    // The window's caption label, nullptr when it has none.
    static TitleCaption* Of(const QWidget& window);

    // Places the label again over the band's free stretch.
    void Place();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TitleCaption(QWidget& window, int bandHeight);
    int bandHeight_;
};

} // namespace Support
