#pragma once
// The options window's General page: the mail check interval, the start-up
// and display boxes, the tray icon sets and the computer's search depth.

#include "options/general_options.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QObject;
class QTableWidget;
class QWidget;

namespace OptionsSupport {

class OptionsPage;

class GeneralPage {
public:
    GeneralPage(OptionsPage& window, GeneralOptions& options);

    void Create(QWidget* page);
    void Refresh();
    // A release on one of this page's caption labels toggles its box.
    bool LabelReleased(QObject* watched);

    QComboBox* CheckInterval() const { return checkInterval_; }
    // The page's boxes (none of the notification page's).
    QCheckBox* Box(OptionBox box) const { return boxes_[std::size_t(box)]; }
    QLabel* CaptionLabel(OptionBox box) const { return labels_[std::size_t(box)]; }
    // One row a set: the set scrolled into view is the choice.
    QTableWidget* IconList() const { return iconList_; }
    QComboBox* SearchDepth() const { return searchDepth_; }

private:
    void AddBox(QWidget* page, OptionBox box, const QString& name, const QString& caption,
                const QPoint& at, int labelWidth);
    void CreateIconList(QWidget* page);
    void RefreshIconList();

    OptionsPage& window_;
    GeneralOptions& options_;
    QComboBox* checkInterval_ = nullptr;
    QComboBox* searchDepth_ = nullptr;
    QTableWidget* iconList_ = nullptr;
    std::array<QCheckBox*, 8> boxes_{};
    std::array<QLabel*, 8> labels_{};
};

} // namespace OptionsSupport
