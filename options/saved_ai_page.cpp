#include "options/saved_ai_page.h"

#include "options/option_controls.h"
#include "options/options_page.h"

#include "foundation/skinned_button.h"

#include <QLineEdit>
#include <QListWidget>

namespace OptionsSupport {

SavedAIPage::SavedAIPage(OptionsPage& window, WeightFileOptions& options)
    : window_(window), options_(options)
{
}

void SavedAIPage::Create(QWidget* page)
{
    AddLabel(page, QStringLiteral("Label13"), QStringLiteral("Saved heuristics data files:"),
             QRect(10, 8, 240, 18));
    files_ = AddList(page, QStringLiteral("opSavedAIFiles"), QRect(10, 26, 240, 216));
    AddLabel(page, QStringLiteral("Label11"), QStringLiteral("Save current heuristic settings as:"),
             QRect(262, 8, 200, 18));
    saveName_ = new QLineEdit(page);
    saveName_->setObjectName(QStringLiteral("opSaveAIName"));
    saveName_->setGeometry(262, 26, 190, 24);
    const struct {
        Support::SkinnedButton*& button;
        const char* name;
        const char* caption;
        const char* plainCaption;
        int top;
        void (WeightFileOptions::*command)();
    } buttons[] = {
        {load_, "LoadAI", "Load", "&Load", 64, &WeightFileOptions::Load},
        {delete_, "DeleteAI", "Delete", "&Delete", 98, &WeightFileOptions::Delete},
        {save_, "SaveAI", "Save", "&Save", 132, &WeightFileOptions::Save},
    };
    for (const auto& button : buttons)
        button.button =
            AddButton(page, &window_, QString::fromLatin1(button.name),
                      QString::fromLatin1(button.caption), QString::fromLatin1(button.plainCaption),
                      QRect(262, button.top, 90, 26), [this, command = button.command] {
                          (options_.*command)();
                          window_.Refresh();
                      });
    QObject::connect(files_, &QListWidget::currentRowChanged, &window_, [this](int row) {
        if (window_.Refreshing())
            return;
        options_.RowChanged(row);
        window_.Refresh();
    });
    QObject::connect(saveName_, &QLineEdit::textEdited, &window_,
                     [this](const QString& text) { options_.SaveName() = text; });
}

void SavedAIPage::Refresh()
{
    ShowNameList(*files_, options_.Files());
    if (saveName_->text() != options_.SaveName())
        saveName_->setText(options_.SaveName());
}

} // namespace OptionsSupport
