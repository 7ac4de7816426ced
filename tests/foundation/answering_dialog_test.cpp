// The dialog base: Enter and Escape reach the window before a focused
// control (a focused push button would take Enter for itself), the close box
// counts only before an answer, and the first answer is the one that stays.
#include "foundation/answering_dialog.h"
#include "widget_test_support.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

class ChoiceDialog : public Support::AnsweringDialog<int> {
public:
    ChoiceDialog() : AnsweringDialog(0), field(new QLineEdit(this)), button(new QPushButton(this))
    {
        connect(button, &QPushButton::clicked, this, [this] { Give(5); });
        TakeKeysFirst();
    }
    void Give(int answer) { AnswerWith(answer); }

    QLineEdit* field;
    QPushButton* button;
    int closeRequests = 0;
    int answerings = 0;

protected:
    void EnterPressed() override { AnswerWith(1); }
    void EscapePressed() override { AnswerWith(2); }
    void CloseRequested() override
    {
        ++closeRequests;
        EscapePressed();
    }
    void Answering() override { ++answerings; }
};

TEST(AnsweringDialog, TheFirstAnswerStaysWhateverComesAfterIt)
{
    TestSupport::QtApp app;
    const struct {
        const char* what;
        std::function<void(ChoiceDialog&)> first;
        int answer;
        int closeRequests;
    } cases[] = {
        {"Enter in a field", [](ChoiceDialog& d) { QTest::keyClick(d.field, Qt::Key_Return); }, 1, 0},
        {"Enter on a focused button", [](ChoiceDialog& d) { QTest::keyClick(d.button, Qt::Key_Return); },
         1, 0},
        {"Escape in a field", [](ChoiceDialog& d) { QTest::keyClick(d.field, Qt::Key_Escape); }, 2, 0},
        {"the close box", [](ChoiceDialog& d) { d.close(); }, 2, 1},
        {"a button", [](ChoiceDialog& d) { d.Give(3); }, 3, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ChoiceDialog dialog;
        dialog.show();
        c.first(dialog);
        EXPECT_TRUE(dialog.Answered());
        EXPECT_FALSE(dialog.isVisible());
        // Later answers, keys and closes change nothing.
        dialog.Give(4);
        QTest::keyClick(dialog.field, Qt::Key_Enter);
        dialog.close();
        EXPECT_EQ(dialog.Answer(), c.answer);
        EXPECT_EQ(dialog.closeRequests, c.closeRequests);
        EXPECT_EQ(dialog.answerings, 1);
    }
}

} // namespace
