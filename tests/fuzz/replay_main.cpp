// The plain build of a fuzz target: runs the harness once over every file
// named on the command line, or every file inside a named folder, so that
// the committed corpus exercises each harness without a fuzzing compiler.

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

bool runFile(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return false;
    }
    const QByteArray bytes = f.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                           std::size_t(bytes.size()));
    return true;
}

} // namespace

int main(int argc, char **argv) {
    int files = 0;
    bool ok = argc > 1;
    for (int k = 1; k < argc; ++k) {
        const QString arg = QFile::decodeName(argv[k]);
        if (QFileInfo(arg).isDir()) {
            QDirIterator it(arg, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                ok = runFile(it.next()) && ok;
                ++files;
            }
        } else {
            ok = runFile(arg) && ok;
            ++files;
        }
    }
    std::printf("%d inputs replayed\n", files);
    return ok && files > 0 ? 0 : 1;
}
