#include "cli/output_buffer.h"

#include <QFileDevice>
#include <QTextStream>

#include <algorithm>
#include <cstring>

namespace qor {

OutputBuffer::OutputBuffer(QTextStream &sink) : m_sink(sink), m_block(new char[kBlockSize]) {}

OutputBuffer::~OutputBuffer() {
    flush();
    // A file device may keep the last small block in its own buffer.
    if (auto *file = qobject_cast<QFileDevice *>(m_sink.device()))
        file->flush();
}

OutputBuffer &OutputBuffer::operator<<(std::string_view text) {
    while (!text.empty()) {
        room(1);
        const std::size_t n = std::min(text.size(), kBlockSize - m_used);
        std::memcpy(m_block.get() + m_used, text.data(), n);
        m_used += n;
        text.remove_prefix(n);
    }
    return *this;
}

OutputBuffer &OutputBuffer::operator<<(QStringView text) {
    // Pieces whose encoding surely fits a block; the encoder keeps a
    // surrogate pair that a cut separates.
    constexpr qsizetype kPiece = qsizetype(kBlockSize / 4);
    while (!text.isEmpty()) {
        const QStringView piece = text.first(std::min(text.size(), kPiece));
        room(std::size_t(m_utf8.requiredSpace(piece.size())));
        char *first = m_block.get() + m_used;
        m_used += std::size_t(m_utf8.appendToBuffer(first, piece) - first);
        text = text.sliced(piece.size());
    }
    return *this;
}

void OutputBuffer::flush() {
    if (m_used == 0)
        return;
    if (QIODevice *device = m_sink.device()) {
        m_sink.flush();
        device->write(m_block.get(), qint64(m_used));
    } else {
        // A stream on a string (the tests): blocks end between characters.
        m_sink << QString::fromUtf8(m_block.get(), qsizetype(m_used));
    }
    m_used = 0;
}

} // namespace qor
