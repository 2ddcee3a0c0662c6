// Saves a stock the way the plan window does, for the kill tests:
//   stock_writer PATH COUNT...   (the counts of ingredients 1, 2, ...)
// Exits with 1 and the message on standard error when the save fails.

#include "brewing_plan/stock_file.h"

#include <QString>

#include <cstdio>

int main(int argc, char **argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: stock_writer PATH COUNT...\n");
        return 2;
    }
    qor::StockCounts counts{0};
    for (int k = 2; k < argc; ++k)
        counts.push_back(QByteArray(argv[k]).toInt());
    const qor::StockResult r = qor::WriteStock(QString::fromLocal8Bit(argv[1]), counts);
    if (!r.ok()) {
        std::fprintf(stderr, "%s\n", r.message.toUtf8().constData());
        return 1;
    }
    return 0;
}
