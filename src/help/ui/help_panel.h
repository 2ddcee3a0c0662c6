#pragma once
// The help page: the topic titles in LbHelp and the text of the selected
// topic in MemoHelp, read from Help.ini on the first entry of the tab. A
// file that cannot be read is reported and tried again at the next entry.
// The page builds its controls on its tab sheet and follows its own list,
// its tab and its Main.ini lines.

#include "help/help_file.h"

#include <QObject>

class QListWidget;
class QPlainTextEdit;
class QSplitter;
class QTabWidget;
class QWidget;

namespace qor {

class DialogProvider;
class SettingsStore;

class HelpPanel : public QObject {
    Q_OBJECT
  public:
    // The controls go on tabSheet, a page of pages; dataDir is the folder of
    // Help.ini, read when the page is first entered.
    HelpPanel(QTabWidget &pages, QWidget &tabSheet, const QString &dataDir, DialogProvider &dialogs,
              SettingsStore &settings, QObject *parent);

    QListWidget *list() const { return m_list; }
    QPlainTextEdit *memo() const { return m_memo; }
    QSplitter *splitter() const { return m_splitter; }

    // On_Enter(TabSheetHelp): reads the file once and applies the help
    // settings (row height, font, list width).
    void enter();
    // On_Click(LbHelp): the selected topic's body into MemoHelp.
    void showSelectedTopic();

    bool loaded() const { return m_loaded; }
    const HelpPage &page() const { return m_page; }
    // HelpItemHeight as stored; the list follows every change of the line.
    int itemHeight() const;
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
    void buildControls(QWidget &tabSheet);
    void applyItemHeight();

    const QString &m_dataDir;
    QSplitter *m_splitter = nullptr;
    QListWidget *m_list = nullptr;
    QPlainTextEdit *m_memo = nullptr;
    DialogProvider &m_dialogs;
    SettingsStore &m_settings;
    HelpPage m_page;
    int m_itemHeight = 16;
    int m_chosenListWidth = 0; // as read or as the user last dragged it
    bool m_loaded = false;
};

} // namespace qor
