#pragma once
// The options window's Heuristics page: the computer's weights in groups,
// the slider that sets the selected one, and the factory defaults.

#include "options/heuristics_options.h"

#include <QSlider>

#include <array>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace Support {
class SkinnedButton;
}

namespace OptionsSupport {

class OptionsPage;

// A slider that also marks a band between two values (0 and the current
// weight) beside its groove.
class BandSlider : public QSlider {
    Q_OBJECT
public:
    explicit BandSlider(QWidget* parent);
    void SetBand(int start, int length);
    int BandStart() const { return bandStart_; }
    int BandLength() const { return bandLength_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int bandStart_ = 0;
    int bandLength_ = 0;
};

class HeuristicsPage {
public:
    HeuristicsPage(OptionsPage& window, HeuristicsOptions& options);

    void Create(QWidget* page);
    // The rows of the tree, once the window has loaded.
    void Fill();
    void Refresh();

    QTreeWidget* List() const { return list_; }
    BandSlider* Slider() const { return slider_; }
    QLabel* LowLabel() const { return low_; }
    QLabel* DontCareLabel() const { return dontCare_; }
    QLabel* HighLabel() const { return high_; }
    Support::SkinnedButton* DefaultsButton() const { return defaults_; }

private:
    QTreeWidgetItem* Item(int row) const;
    void SetSlider();

    OptionsPage& window_;
    HeuristicsOptions& options_;
    QTreeWidget* list_ = nullptr;
    BandSlider* slider_ = nullptr;
    QLabel* low_ = nullptr;
    QLabel* dontCare_ = nullptr;
    QLabel* high_ = nullptr;
    Support::SkinnedButton* defaults_ = nullptr;
    // The tree's item of each row, FirstHeuristicRow first.
    std::array<QTreeWidgetItem*, LastHeuristicRow - FirstHeuristicRow + 1> items_{};
};

} // namespace OptionsSupport
