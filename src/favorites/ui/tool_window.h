#pragma once
// Base of the two small tool windows beside the main window: stays on top,
// has no minimise or maximise box, closes (hides) on Esc pressed anywhere in
// it when asked to, and reports every closing so that the menu check can
// follow. The
// windows ask their questions through ToolWindowPrompts, which the main
// window answers with its own dialogs.

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class QPainter;

namespace qor {

class PictureSource;

struct ToolWindowPrompts {
    // The font dialog preset with the font; true when accepted (face name and
    // size taken into the font).
    std::function<bool(QFont &font)> font;
    // A number in minimum..maximum asked with the caption as prompt; nullopt
    // when cancelled or not a number.
    std::function<std::optional<int>(const QString &caption, int current, int minimum, int maximum)> number;
    // A line of text; nullopt when cancelled.
    std::function<std::optional<QString>(const QString &prompt, const QString &text)> text;
};

// A font kept as face name and point size, the way the settings keep it.
struct ListFont {
    QString name;
    int size = 0;

    bool usable() const { return !name.isEmpty() && size > 0 && size <= 200; }
    // The base font with this face and size; the base itself when unusable.
    QFont applied(const QFont &base) const;
    friend bool operator==(const ListFont &, const ListFont &) = default;
};

// Row heights of the tool-window lists.
inline constexpr int kToolListMinRowHeight = 10;
inline constexpr int kToolListMaxRowHeight = 50;
int clampToolRowHeight(int height);

class ToolWindow : public QWidget {
    Q_OBJECT
  public:
    enum class Esc { Closes, Ignored };
    ToolWindow(QWidget *owner, Esc esc);

    // The window's rectangle (client area) in screen pixels.
    void setBounds(const QRect &bounds);
    QRect bounds() const;

  Q_SIGNALS:
    // The window was closed by the user (its close box or Esc) and is hidden.
    void closed();

  protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Previews the keys of a child (Esc closes the window).
    void previewKeysOf(QWidget *child);

  private:
    Esc m_esc;
};

// Draws a row's text vertically centred from x, in a smaller font when the
// list's font is higher than the row, so that low rows stay legible instead
// of overlapping their neighbours.
void drawRowText(QPainter &painter, const QRect &row, int x, const QString &text);

// An ingredient's picture in a square of the row height: the small picture,
// or the full-size one when the small picture is lower than the square.
// Returns false when there is no picture for the ingredient.
bool drawItemSquare(QPainter &painter, const QRect &square, const PictureSource *pictures, int item);

} // namespace qor
