#include "main_window/ui/search_tab_fitter.h"

#include "main_window/search_tab_widths.h"

#include <QBoxLayout>
#include <QEvent>
#include <QGridLayout>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace qor {

namespace {

int horizontalMargins(const QLayout *layout) {
    const QMargins m = layout->contentsMargins();
    return m.left() + m.right();
}

} // namespace

SearchTabFitter::SearchTabFitter(const Controls &controls, QObject *parent) : QObject(parent), m_c(controls) {
    m_c.tab->installEventFilter(this);
    m_c.optionsPage->installEventFilter(this);
}

int SearchTabFitter::optionsLeast() const {
    const int spacing = std::max(0, m_c.optionsTopRowLayout->spacing());
    int topRow = 0;
    for (const QWidget *w : m_c.optionsTopRow)
        topRow += w->sizeHint().width() + spacing;
    const int requiredLine = m_c.requiredBox->width() + spacing + kRequiredChooserLeast;
    // The frame of the options page control around its page.
    const int frame =
        2 * m_c.options->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, m_c.options);
    return std::max(topRow, requiredLine) + horizontalMargins(m_c.optionsLayout) + frame;
}

bool SearchTabFitter::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Resize) {
        if (watched == m_c.tab)
            fitEffectPanel();
        else if (watched == m_c.optionsPage)
            fitRequiredChoosers();
    }
    return QObject::eventFilter(watched, event);
}

void SearchTabFitter::fitEffectPanel() {
    const int available =
        m_c.tab->width() - horizontalMargins(m_c.tabLayout) - std::max(0, m_c.tabLayout->spacing());
    const int gridSpacing = std::max(0, m_c.effectGrid->horizontalSpacing());
    const int chrome =
        m_c.enableBox->sizeHint().width() + 2 * gridSpacing + horizontalMargins(m_c.effectGrid);
    // The filters' caption stands over the enable boxes and the filters.
    const int captionNeeds =
        m_c.filterCaption->sizeHint().width() - m_c.enableBox->sizeHint().width() - gridSpacing;
    const SearchTabWidths w = fitSearchTab(available, optionsLeast(), chrome, captionNeeds);
    for (QWidget *combo : m_c.effect)
        combo->setFixedWidth(w.effectChooser);
    for (QWidget *combo : m_c.filter)
        combo->setFixedWidth(w.filterChooser);
    m_c.effectPanel->setFixedWidth(w.effectPanel);
}

void SearchTabFitter::fitRequiredChoosers() {
    const int spacing = std::max(0, m_c.optionsTopRowLayout->spacing());
    const int room =
        m_c.optionsPage->width() - horizontalMargins(m_c.optionsLayout) - m_c.requiredBox->width() - spacing;
    const int width = std::clamp(room, kRequiredChooserLeast, kRequiredChooserWidth);
    for (QWidget *combo : m_c.required)
        combo->setFixedWidth(width);
}

} // namespace qor
