#pragma once
// Help.ini: topic titles and their bodies for the help page. The file is
// 8-bit text in code page 1251; a topic is a title line, its body lines and
// a separator line "//***".

#include "game_data/data_loader.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

namespace qor {

inline constexpr char kHelpSeparator[] = "//***";

struct HelpPage {
    QStringList Titles;     // items of the help list, in file order
    QStringList HelpTopics; // body of Titles[i] at i; empty when it has none
    // Every topic had a body and was closed by a separator.
    bool wellFormed = true;

    int topicCount() const { return int(Titles.size()); }
    // Body of a topic; the empty text outside the topics.
    QString body(int topic) const { return HelpTopics.value(topic); }
};

// Reads the topics from the bytes of a help file. Every body line is kept
// followed by CR LF; a line too long to lay out quickly is broken into
// several. Each title keeps its own body even in a file that is not
// well formed: a topic without body lines gets the empty body, and an
// unclosed last topic keeps the lines it has.
HelpPage parseHelpFile(QByteArrayView bytes);

// dataDir + "Help.ini"; an error names the file ("File not found" for a
// missing one) and leaves page empty.
std::optional<DataError> loadHelpFile(const QString &dataDir, HelpPage &page);

} // namespace qor
