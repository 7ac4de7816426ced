#pragma once
// The set-up warnings dialog: what no game could reach in the player's
// set-up position, with OK (play it anyway) and Cancel (back to the
// set-up). The window only hides itself; Enter answers OK, and Escape and
// closing the window answer Cancel.

#include "foundation/answering_dialog.h"
#include "foundation/skinned_button.h"

#include <string>

class QLabel;
class QPushButton;

namespace BoardSupport {

class SetupWarningForm : public Support::AnsweringDialog<Support::DialogAnswer> {
    Q_OBJECT
public:
    SetupWarningForm();

    // The layout (skinned or plain). False when the skin could not be
    // applied: the window must not be shown.
    bool Form_Load(bool simpleUI);
    // The warnings, one line each.
    void SetWarnings(const QString& text);

    QLabel* WarningMessage = nullptr;
    QLabel* MessageIcon = nullptr;
    Support::SkinnedButton OkButton;
    Support::SkinnedButton CancelButton;
    QPushButton* OKButtonS = nullptr;
    QPushButton* CancelButtonS = nullptr;

public slots:
    void OkButtonFace_Click();
    void CancelButtonFace_Click();

protected:
    void SetSimpleUI() override;
    void EnterPressed() override;
    void EscapePressed() override;
};

// Shows the warnings through the modal host; true when the player chose OK.
// A window whose skin fails to load answers Cancel.
bool AskSetupWarnings(const std::string& warnings, bool simpleUI);

} // namespace BoardSupport
