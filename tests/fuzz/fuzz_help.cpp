// Help.ini: any bytes give one body per title, every body ends with a line
// end or is empty, and no title is the separator line.

#include "help/help_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qor::HelpPage page = qor::parseHelpFile(bytes);
    if (page.Titles.size() != page.HelpTopics.size())
        std::abort();
    for (qsizetype i = 0; i < page.Titles.size(); ++i) {
        if (page.Titles[i] == QLatin1String(qor::kHelpSeparator))
            std::abort();
        const QString &body = page.HelpTopics[i];
        if (!body.isEmpty() && !body.endsWith(QLatin1String("\r\n")))
            std::abort();
        if (page.wellFormed && body.isEmpty())
            std::abort();
    }
    // Reading past the topics gives the empty body.
    if (!page.body(int(page.Titles.size())).isEmpty() || !page.body(-1).isEmpty())
        std::abort();
    return 0;
}
