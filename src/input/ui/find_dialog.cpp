#include "input/ui/find_dialog.h"

#include "common_ui/dialog_provider.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace qor {

FindDialog::FindDialog(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FindDialog"));
    setWindowTitle(QStringLiteral("Найти"));
    setModal(false);
    keepAboveToolWindows(this);
    auto *layout = new QGridLayout(this);
    auto *label = new QLabel(QStringLiteral("&Что искать:"), this);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("FindText"));
    label->setBuddy(m_text);
    layout->addWidget(label, 0, 0);
    layout->addWidget(m_text, 0, 1);

    auto *direction = new QGroupBox(QStringLiteral("Направление"), this);
    auto *directionLayout = new QHBoxLayout(direction);
    m_up = new QRadioButton(QStringLiteral("&Вверх"), direction);
    m_up->setObjectName(QStringLiteral("FindUp"));
    m_down = new QRadioButton(QStringLiteral("В&низ"), direction);
    m_down->setObjectName(QStringLiteral("FindDown"));
    m_down->setChecked(true);
    directionLayout->addWidget(m_up);
    directionLayout->addWidget(m_down);
    layout->addWidget(direction, 1, 1);

    auto *buttons = new QDialogButtonBox(Qt::Vertical, this);
    QPushButton *findButton =
        buttons->addButton(QStringLiteral("&Найти далее"), QDialogButtonBox::ActionRole);
    findButton->setObjectName(QStringLiteral("FindButton"));
    findButton->setDefault(true);
    QPushButton *cancel = buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons, 0, 2, 2, 1);
    connect(findButton, &QPushButton::clicked, this, &FindDialog::find);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // Nothing to find without a text.
    findButton->setEnabled(false);
    connect(m_text, &QLineEdit::textChanged, findButton,
            [findButton](const QString &text) { findButton->setEnabled(!text.isEmpty()); });
}

QString FindDialog::text() const {
    return m_text->text();
}

void FindDialog::setText(const QString &text) {
    m_text->setText(text);
    m_text->selectAll();
}

bool FindDialog::down() const {
    return m_down->isChecked();
}

void FindDialog::setDown(bool down) {
    (down ? m_down : m_up)->setChecked(true);
}

void FindDialog::find() {
    if (!m_text->text().isEmpty())
        Q_EMIT findRequested();
}

RecipeFinder::RecipeFinder(QWidget *window, RecipeFindHooks hooks)
    : QObject(window), m_window(window), m_hooks(std::move(hooks)) {}

void RecipeFinder::MenuFindInPotions() {
    const FindTexts texts = m_hooks.recipeTexts();
    if (texts.count() <= 0)
        return;
    if (!m_dialog) {
        m_dialog = new FindDialog(m_window);
        connect(m_dialog, &FindDialog::findRequested, this, &RecipeFinder::On_Find);
    }
    m_dialog->setText(m_hooks.selectedCellText());
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void RecipeFinder::MenuFindNext() {
    if (m_hooks.recipeTexts().count() <= 0)
        return;
    if (m_dialog && !m_dialog->text().isEmpty())
        On_Find();
    else
        MenuFindInPotions();
}

void RecipeFinder::On_Find() {
    if (!m_dialog)
        return;
    const RecipeFindResult result =
        findRecipeRow(m_hooks.recipeTexts(), m_dialog->text(), m_dialog->down(), m_hooks.selectedRow());
    if (result.closeDialog) {
        m_dialog->close();
        return;
    }
    if (result.row >= 0)
        m_hooks.selectAndShow(result.row);
}

} // namespace qor
