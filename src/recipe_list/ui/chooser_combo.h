#pragma once
// The owner-drawn choosers of the search tabs. Ingredient choosers
// (`CbIngredient1..3`, `CbPrioriryIngredient1/2`) hold "*" items and draw
// ingredient i's name and thumbnail for item i; effect choosers (`CbEffect1..5`)
// draw the effect symbol in the effect's colour before the item text; the
// other choosers (`CbFilter1..5`, `ComboBoxCost_Min/Max`,
// `ComboBoxMainAlchPercCount`) draw their own item texts. Items of the
// drop-down list and the closed chooser's current item are drawn alike; every
// item is kChooserItemHeight high.

#include <QComboBox>

#include <functional>

namespace qor {

struct GameData;
class PictureSource;
struct ViewColors;

inline constexpr int kChooserItemHeight = 19;

class ChooserComboBox : public QComboBox {
    Q_OBJECT
  public:
    enum class Kind { Ingredient, Effect, Text };

    ChooserComboBox(Kind kind, const GameData &data, const ViewColors &colors, const PictureSource *pictures,
                    QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }

    // The gray rule: while ViewColors::grayDisabledItems is on, the text is
    // drawn gray whenever this returns true (the chooser's line is switched
    // off). Without a predicate the chooser is never gray.
    void setGrayPredicate(std::function<bool()> lineIsOff);
    // A choice the search ignores because its line's filter overrides it is
    // drawn gray whatever the option says: it must not look active.
    void setOverriddenPredicate(std::function<bool()> overridden);
    // Whether the text is drawn gray now.
    bool isGrayed() const;

    // Draws item `row` into rect (the drop-down list and the closed chooser).
    void paintChooserItem(QPainter &painter, const QRect &rect, int row, bool selected) const;

    // The drop-down opens at least as wide as the chooser and wide enough
    // for its longest item, within the screen.
    void showPopup() override;
    // The width the longest item needs in the drop-down, with its frame and
    // scroll bar.
    int dropDownWidth() const;

  protected:
    void paintEvent(QPaintEvent *event) override;
    // Typed letters are the window's quick find, the same in every keyboard
    // layout; the chooser's own search by text is left out.
    void keyPressEvent(QKeyEvent *event) override;

  private:
    // Where the item's text starts and how far it reaches, in the metrics.
    int itemWidth(int row, const QFontMetrics &metrics) const;

    Kind m_kind;
    const GameData &m_data;
    const ViewColors &m_colors;
    const PictureSource *m_pictures;
    std::function<bool()> m_lineIsOff;
    std::function<bool()> m_overridden;
};

} // namespace qor
