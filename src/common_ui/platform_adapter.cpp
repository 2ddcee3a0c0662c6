#include "common_ui/platform_adapter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QWidget>

namespace qor {

QWidget *widgetUnderPoint(const QPoint &globalPos) {
    return QApplication::widgetAt(globalPos);
}

bool isDropDownOpen(const QWidget *root) {
    if (!root)
        return false;
    const auto combos = root->findChildren<QComboBox *>();
    for (const QComboBox *combo : combos) {
        if (combo->view() && combo->view()->isVisible())
            return true;
    }
    return false;
}

void installFontSubstitutes() {
    // Metric look-alikes first; QFont falls through the list to what exists.
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans"),
                                QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Monotype Corsiva"),
                               {QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif")});
    QFont::insertSubstitutions(QStringLiteral("Courier"),
                               {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono")});
}

} // namespace qor
