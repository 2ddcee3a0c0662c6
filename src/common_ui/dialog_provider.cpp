#include "common_ui/dialog_provider.h"

#include "common_ui/input_box.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace qor {

void keepAboveToolWindows(QWidget *dialog) {
    dialog->setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

void DialogProvider::message(QWidget *parent, const QString &text, MessageIcon icon, const QString &caption) {
    m_messages.push_back({caption, text, icon});
    if (m_scripted)
        return;
    QMessageBox box(parent);
    keepAboveToolWindows(&box);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (icon) {
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    box.exec();
}

bool DialogProvider::askRetry(QWidget *parent, const QString &text, const QString &caption) {
    m_messages.push_back({caption, text, MessageIcon::Warning});
    if (m_scripted) {
        if (m_retries.empty())
            return false;
        const bool retry = m_retries.front();
        m_retries.pop_front();
        return retry;
    }
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Retry | QMessageBox::Cancel, parent);
    box.setButtonText(QMessageBox::Retry, QStringLiteral("Повторить"));
    box.setButtonText(QMessageBox::Cancel, QStringLiteral("Отмена"));
    return box.exec() == QMessageBox::Retry;
}

std::optional<QString> DialogProvider::inputText(QWidget *parent, const QString &prompt, const QString &text,
                                                 const QString &caption) {
    m_prompts << prompt;
    m_presetTexts << text;
    if (m_scripted) {
        if (m_texts.empty())
            return std::nullopt;
        auto answer = m_texts.front();
        m_texts.pop_front();
        return answer;
    }
    const auto box = makeInputBox(parent, caption, prompt, text);
    if (box->exec() != QDialog::Accepted)
        return std::nullopt;
    return box->textValue();
}

std::optional<QColor> DialogProvider::chooseColor(QWidget *parent, const QColor &current) {
    if (m_scripted) {
        if (m_colors.empty())
            return std::nullopt;
        const QColor c = m_colors.front();
        m_colors.pop_front();
        return c;
    }
    QColorDialog dialog(current, parent);
    dialog.setWindowTitle(kAppCaption);
    keepAboveToolWindows(&dialog);
    if (dialog.exec() != QDialog::Accepted || !dialog.selectedColor().isValid())
        return std::nullopt;
    return dialog.selectedColor();
}

std::optional<QFont> DialogProvider::chooseFont(QWidget *parent, const QFont &current) {
    if (m_scripted) {
        m_presetFonts << current;
        if (m_fonts.empty())
            return std::nullopt;
        const std::optional<QFont> f = m_fonts.front();
        m_fonts.pop_front();
        return f ? *f : current;
    }
    QFontDialog dialog(current, parent);
    dialog.setWindowTitle(kAppCaption);
    keepAboveToolWindows(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFont();
}

void DialogProvider::clearRecord() {
    m_messages.clear();
    m_prompts.clear();
    m_presetTexts.clear();
    m_presetFonts.clear();
}

} // namespace qor
