#include "help/help_file.h"

#include "game_data/text_codec.h"
#include "game_data/text_reader.h"

#include <QDir>

namespace qor {

namespace {

QByteArrayView trimRight(QByteArrayView line) {
    qsizetype n = line.size();
    while (n > 0 && static_cast<unsigned char>(line[n - 1]) <= 32)
        --n;
    return line.first(n);
}

// A line of tens of thousands of characters takes the text area seconds or
// minutes to lay out; it is shown in pieces of at most this many, broken at
// the last blank of a piece when there is one in its second half.
constexpr qsizetype kMaxShownLine = 2000;

void appendBodyLine(QString &body, QByteArrayView line) {
    while (line.size() > kMaxShownLine) {
        qsizetype cut = kMaxShownLine;
        for (qsizetype k = kMaxShownLine; k > kMaxShownLine / 2; --k) {
            if (line[k - 1] == ' ') {
                cut = k;
                break;
            }
        }
        body += fromCp1251(line.first(cut));
        body += QStringLiteral("\r\n");
        line = line.sliced(cut);
    }
    body += fromCp1251(line);
    body += QStringLiteral("\r\n");
}

} // namespace

HelpPage parseHelpFile(QByteArrayView bytes) {
    HelpPage page;
    TextReader reader(bytes);
    bool expectTitle = true;
    bool bodySeen = false;
    QString body;
    while (!reader.atEnd()) {
        const QByteArrayView line = trimRight(reader.readLine());
        const bool separator = line == QByteArrayView(kHelpSeparator);
        if (expectTitle) {
            // Separators that follow one another end nothing more.
            if (separator)
                continue;
            page.Titles.append(fromCp1251(line));
            expectTitle = false;
            bodySeen = false;
            body.clear();
        } else if (separator) {
            // Stored even when empty so that titles and bodies stay paired.
            page.HelpTopics.append(body);
            page.wellFormed = page.wellFormed && bodySeen;
            expectTitle = true;
        } else {
            appendBodyLine(body, line);
            bodySeen = true;
        }
    }
    if (!expectTitle) {
        page.HelpTopics.append(body);
        page.wellFormed = false;
    }
    return page;
}

std::optional<DataError> loadHelpFile(const QString &dataDir, HelpPage &page) {
    page = HelpPage();
    QByteArray bytes;
    if (auto error = readDataFile(QDir(dataDir).filePath(QStringLiteral("Help.ini")), bytes, FileKind::Help))
        return error;
    page = parseHelpFile(bytes);
    return std::nullopt;
}

} // namespace qor
