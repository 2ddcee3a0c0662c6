#include "recipe_list/ui/mirror_scroll_bar.h"

namespace qor {

MirrorScrollBar::MirrorScrollBar(QScrollBar *source, QWidget *parent)
    : QScrollBar(source->orientation(), parent), m_source(source) {
    takeRange();
    connect(source, &QScrollBar::rangeChanged, this, [this] { takeRange(); });
    connect(source, &QScrollBar::valueChanged, this, &QScrollBar::setValue);
    connect(this, &QScrollBar::valueChanged, this, [this](int value) {
        if (m_source)
            m_source->setValue(value);
    });
}

void MirrorScrollBar::takeRange() {
    if (!m_source)
        return;
    setSingleStep(m_source->singleStep());
    setPageStep(m_source->pageStep());
    setRange(m_source->minimum(), m_source->maximum());
    setValue(m_source->value());
}

} // namespace qor
