#pragma once
// The options window's Skins page (skinned layout only): the skins and
// their board and game list windows in small.

#include "options/skin_options.h"

class QLabel;
class QListWidget;
class QWidget;

namespace OptionsSupport {

class OptionsPage;

class SkinsPage {
public:
    SkinsPage(OptionsPage& window, SkinOptions& options);

    void Create(QWidget* page);
    void Refresh();

    QListWidget* List() const { return list_; }
    QLabel* PreviewBoard() const { return previewBoard_; }
    QLabel* PreviewInterface() const { return previewInterface_; }

private:
    OptionsPage& window_;
    SkinOptions& options_;
    QListWidget* list_ = nullptr;
    QLabel* previewBoard_ = nullptr;
    QLabel* previewInterface_ = nullptr;
};

} // namespace OptionsSupport
