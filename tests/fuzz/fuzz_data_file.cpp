// One data file of the folder through the real loader: the input becomes
// QOR_FUZZ_FILE in a scratch data folder whose other files are small and
// valid, and loadGameData reads the whole folder. A load either fails with a
// message or leaves tables whose parallel lists agree.

#include "game_data/data_loader.h"
#include "game_data/game_data.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

// The other files: three effects, two ingredients, two price steps and a
// filter line (code page 1251 where it matters).
struct Scratch {
    QTemporaryDir dir;

    Scratch() {
        write("Cost.txt", "0\r\n100\r\n");
        write("Effects.ini", "0 0 0 0 0 0\r\n"
                             "1.5 1 0 0 0 0 \xC2\xEE\xF1\xF1\xF2\xE0\xED\xEE\xE2\xEB\xE5\xED\xE8\xE5\r\n"
                             "2.0 1 1 0 1 0 \xDF\xE4 <D> \xED\xE0 <M> \xE5\xE4.\r\n"
                             "0.8 0 0 1 1 6 Fire\r\n");
        write("Filter.txt", "\xC2\r\nF\r\n");
        write("Items.ini", "0 0 0 0  \xCD\xE8\xF7\xE5\xE3\xEE / Nihil\r\n0 0 0\r\n0 0 0\r\n0 0 0\r\n0 0 0\r\n"
                           "$10 0.5 4 0  \xCC\xFF\xF2\xE0 / Mentha\r\n1 5 0\r\n2 1 10\r\n3 2 1\r\n0 0 0\r\n");
    }
    void write(const char *name, QByteArrayView bytes) const {
        QFile f(QDir(dir.path()).filePath(QLatin1StringView(name)));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            f.write(bytes.data(), bytes.size()) != bytes.size())
            std::abort();
    }
};

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static Scratch scratch;
    scratch.write(QOR_FUZZ_FILE, QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));

    qor::GameData game;
    const std::optional<qor::DataError> error =
        qor::loadGameData(scratch.dir.path() + QLatin1Char('/'), game);
    if (error) {
        check(!error->message.isEmpty());
        return 0;
    }
    check(game.highestEffect() >= 1 && game.highestItem() >= 1);
    check(game.EffectNames.size() == game.effectRecordCount());
    check(game.EffectNamesUp.size() == game.effectRecordCount());
    check(game.ItemNames.size() == game.itemRecordCount() &&
          game.ItemNames2.size() == game.itemRecordCount());
    check(game.EffectFilterGroup.size() == std::size_t(game.effectRecordCount()));
    for (const qor::TItemRec &item : game.ItemTable) {
        for (const qor::TItemEffect &slot : item.Eff)
            check(slot.Effect >= 0 && slot.Effect <= game.highestEffect());
    }
    return 0;
}
