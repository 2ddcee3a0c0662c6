#pragma once
// Message boxes, input boxes and the colour and font dialogs of the main
// window behind one seam. In scripted mode (tests) nothing is shown: answers
// come from a queue filled in advance and every message is recorded.

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

class QWidget;

namespace qor {

inline const QString kAppCaption = QStringLiteral("QOR Алхимия");

enum class MessageIcon { None, Information, Warning };

// Every dialog of the window opens above the stay-on-top tool windows (and
// the details message stays on top of all windows): a dialog under them
// would take the keys while the player cannot see it.
void keepAboveToolWindows(QWidget *dialog);

// One message as shown (or, in scripted mode, recorded).
struct ShownMessage {
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::None;
};

class DialogProvider {
  public:
    DialogProvider() = default;
    virtual ~DialogProvider() = default;

    // A modal message box owned by parent.
    void message(QWidget *parent, const QString &text, MessageIcon icon = MessageIcon::Information,
                 const QString &caption = kAppCaption);
    // A warning with the buttons "Повторить" and "Отмена"; true for the first.
    bool askRetry(QWidget *parent, const QString &text, const QString &caption = kAppCaption);
    // An input box; nullopt when cancelled.
    std::optional<QString> inputText(QWidget *parent, const QString &prompt, const QString &text,
                                     const QString &caption = kAppCaption);
    // The colour dialog preset with current; nullopt when cancelled.
    std::optional<QColor> chooseColor(QWidget *parent, const QColor &current);
    // The font dialog preset with current; nullopt when cancelled.
    std::optional<QFont> chooseFont(QWidget *parent, const QFont &current);

    // Scripted mode: no dialog ever opens. An input, colour or font request
    // takes the next queued answer of its kind; with none queued it counts as
    // cancelled.
    void setScripted(bool on) { m_scripted = on; }
    bool isScripted() const { return m_scripted; }
    void setNextAnswer(const QString &text) { m_texts.push_back(text); }
    void setNextCancel() { m_texts.push_back(std::nullopt); }
    // The answer to the next askRetry (with none queued it is "Отмена").
    void setNextRetry(bool retry) { m_retries.push_back(retry); }
    void setNextColor(const QColor &c) { m_colors.push_back(c); }
    void setNextFont(const QFont &f) { m_fonts.push_back(f); }
    // OK pressed on the font the dialog was opened with.
    void setNextFontAccepted() { m_fonts.push_back(std::nullopt); }
    const std::deque<ShownMessage> &messages() const { return m_messages; }
    QStringList prompts() const { return m_prompts; }
    // The texts the input boxes were opened with, in order.
    QStringList presetTexts() const { return m_presetTexts; }
    // The fonts the font dialogs were opened with, in order.
    const QList<QFont> &presetFonts() const { return m_presetFonts; }
    void clearRecord();

  private:
    bool m_scripted = false;
    std::deque<std::optional<QString>> m_texts;
    std::deque<bool> m_retries;
    std::deque<QColor> m_colors;
    std::deque<std::optional<QFont>> m_fonts; // nullopt: the preset accepted
    std::deque<ShownMessage> m_messages;
    QStringList m_prompts;
    QStringList m_presetTexts;
    QList<QFont> m_presetFonts;
};

} // namespace qor
