#pragma once
// Keeps the controls of the search-from-effects tab from overlapping on
// narrow windows: on every resize of the tab it applies fitSearchTab to the
// effect panel and its choosers, and fills the options panel with the
// required-ingredient choosers.

#include <QObject>

#include <array>
#include <vector>

class QBoxLayout;
class QGridLayout;
class QWidget;

namespace qor {

class SearchTabFitter : public QObject {
  public:
    struct Controls {
        QWidget *tab = nullptr;          // TabSheet1
        QBoxLayout *tabLayout = nullptr; // effect panel | options panel
        QWidget *effectPanel = nullptr;  // Panel5
        QGridLayout *effectGrid = nullptr;
        std::array<QWidget *, 5> effect{};         // CbEffect1..5
        std::array<QWidget *, 5> filter{};         // CbFilter1..5
        QWidget *enableBox = nullptr;              // one of CBoxEnableEff1..5
        QWidget *filterCaption = nullptr;          // "Фильтры эффектов"
        QWidget *options = nullptr;                // PageControlSearshOpt
        QWidget *optionsPage = nullptr;            // TabSheet4
        QBoxLayout *optionsLayout = nullptr;       // its rows
        QBoxLayout *optionsTopRowLayout = nullptr; // every row has its spacing
        std::vector<QWidget *> optionsTopRow;      // count choice, price
        QWidget *requiredBox = nullptr;            // one of CheckBoxCanPrimaryItem1/2
        std::array<QWidget *, 2> required{};       // CbPrioriryIngredient1/2
    };

    SearchTabFitter(const Controls &controls, QObject *parent);

    // The options panel's least width: its top row, or a required-ingredient
    // line with the chooser at its least width, whichever is wider.
    int optionsLeast() const;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void fitEffectPanel();
    void fitRequiredChoosers();

    Controls m_c;
};

} // namespace qor
