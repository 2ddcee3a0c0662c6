#pragma once
// The find dialog over the recipe list: a text, the direction and a find
// button. It stays open beside the window; each press of the button asks
// the window to search (On_Find).

#include "input/find_in_data.h"

#include <QDialog>
#include <QPointer>

#include <functional>

class QLineEdit;
class QRadioButton;

namespace qor {

class FindDialog : public QDialog {
    Q_OBJECT
  public:
    explicit FindDialog(QWidget *parent);

    QString text() const;
    void setText(const QString &text);
    // Downwards (the default) or upwards from the selected recipe.
    bool down() const;
    void setDown(bool down);
    // Runs the find as the button does.
    void find();

  Q_SIGNALS:
    void findRequested();

  private:
    QLineEdit *m_text = nullptr;
    QRadioButton *m_down = nullptr;
    QRadioButton *m_up = nullptr;
};

// The two find commands over the recipe list and the dialog's find event.
struct RecipeFindHooks {
    std::function<FindTexts()> recipeTexts;    // column PotionFindCol, upper case
    std::function<int()> selectedRow;          // -1 for none
    std::function<QString()> selectedCellText; // the selected recipe's text in PotionFindCol
    std::function<void(int)> selectAndShow;    // select a row, run the recipe selection
};

class RecipeFinder : public QObject {
    Q_OBJECT
  public:
    RecipeFinder(QWidget *window, RecipeFindHooks hooks);

    // MenuFindInPotions: the dialog opens with the selected recipe's text.
    void MenuFindInPotions();
    // MenuFindNext: the dialog's text again, or the dialog when it has none.
    void MenuFindNext();
    // The dialog's find event; an empty recipe list closes the dialog.
    void On_Find();

    FindDialog *dialog() const { return m_dialog; }

  private:
    QWidget *m_window;
    RecipeFindHooks m_hooks;
    QPointer<FindDialog> m_dialog;
};

} // namespace qor
