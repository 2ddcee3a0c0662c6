#pragma once
// The help page: the topic titles in LbHelp and the text of the selected
// topic in MemoHelp, read from Help.ini on the first entry of the tab. A
// file that cannot be read is reported and tried again at the next entry.

#include "help/help_file.h"

#include <QObject>

class QListWidget;
class QPlainTextEdit;
class QSplitter;
class QWidget;

namespace qor {

class DialogProvider;
class SettingsStore;

class HelpPanel : public QObject {
    Q_OBJECT
  public:
    HelpPanel(QListWidget *list, QPlainTextEdit *memo, QSplitter *splitter, DialogProvider &dialogs,
              SettingsStore &settings, QObject *parent);

    // On_Enter(TabSheetHelp): reads the file once and applies the help
    // settings (row height, font, list width).
    void enter(const QString &dataDir);
    // On_Click(LbHelp): the selected topic's body into MemoHelp.
    void showSelectedTopic();

    bool loaded() const { return m_loaded; }
    const HelpPage &page() const { return m_page; }
    // HelpItemHeight as stored; the list takes it once loaded.
    int itemHeight() const;
    void setItemHeight(int height);
    // The list and the text take the face name and size; kept for Main.ini.
    void setHelpFont(const QFont &font);
    // The list width into the settings, once the tab has been set up (else
    // the stored width stays).
    void collectSettings();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    // The list takes the width the user chose, but never more than half of
    // the page, so that the text stays readable on a small screen.
    void applyListWidth();

    QListWidget *m_list;
    QPlainTextEdit *m_memo;
    QSplitter *m_splitter;
    DialogProvider &m_dialogs;
    SettingsStore &m_settings;
    HelpPage m_page;
    int m_itemHeight = 16;
    int m_chosenListWidth = 0; // as read or as the user last dragged it
    bool m_loaded = false;
};

} // namespace qor
