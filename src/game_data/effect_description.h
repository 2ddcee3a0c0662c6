#pragma once
// Cuts an effect's description template at its markers: "<" plus the
// character after it plus one more character stand for the duration (after
// "<D") or the magnitude (any other character).

#include <QByteArrayView>

#include <array>
#include <cstdint>

namespace qor {

struct DescriptionPieces {
    std::array<QByteArrayView, 3> pieces; // views into the description
    std::uint8_t kind = 0;                // DescrKind 0..5
};

// A third "<" after two markers is plain text of piece 3: the template has
// room for two numbers only.
DescriptionPieces splitDescription(QByteArrayView descr);

} // namespace qor
