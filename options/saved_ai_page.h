#pragma once
// The options window's Saved AI page: the weight files in the data folder,
// and loading, deleting and saving them.

#include "options/weight_file_options.h"

class QLineEdit;
class QListWidget;
class QWidget;

namespace Support {
class SkinnedButton;
}

namespace OptionsSupport {

class OptionsPage;

class SavedAIPage {
public:
    SavedAIPage(OptionsPage& window, WeightFileOptions& options);

    void Create(QWidget* page);
    void Refresh();

    QListWidget* Files() const { return files_; }
    QLineEdit* SaveName() const { return saveName_; }
    Support::SkinnedButton* LoadButton() const { return load_; }
    Support::SkinnedButton* DeleteButton() const { return delete_; }
    Support::SkinnedButton* SaveButton() const { return save_; }

private:
    OptionsPage& window_;
    WeightFileOptions& options_;
    QListWidget* files_ = nullptr;
    QLineEdit* saveName_ = nullptr;
    Support::SkinnedButton* load_ = nullptr;
    Support::SkinnedButton* delete_ = nullptr;
    Support::SkinnedButton* save_ = nullptr;
};

} // namespace OptionsSupport
