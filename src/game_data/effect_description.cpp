#include "game_data/effect_description.h"

namespace qor {

DescriptionPieces splitDescription(QByteArrayView descr) {
    DescriptionPieces out;
    const qsizetype n = descr.size();
    if (n == 0)
        return out; // kind 0: no description
    std::array<char, 2> markerChar{};
    int markers = 0;
    qsizetype pieceStart = 0;
    // A description never begins with a marker, so the scan starts at the
    // second character.
    qsizetype i = 1;
    while (i < n && markers < 2) {
        if (descr[i] != '<') {
            ++i;
            continue;
        }
        out.pieces[std::size_t(markers)] = descr.sliced(pieceStart, i - pieceStart);
        markerChar[std::size_t(markers)] = i + 1 < n ? descr[i + 1] : '\0';
        ++markers;
        pieceStart = i + 3 < n ? i + 3 : n;
        // The character right after a marker is text even when it is a "<":
        // two markers need at least one character between them.
        i += 4;
    }
    out.pieces[std::size_t(markers)] = descr.sliced(pieceStart);
    const bool durationFirst = markerChar[0] == 'D';
    switch (markers) {
    case 0:
        out.kind = 1;
        break;
    case 1:
        out.kind = durationFirst ? 2 : 3;
        break;
    default:
        out.kind = durationFirst ? 4 : 5;
        break;
    }
    return out;
}

} // namespace qor
