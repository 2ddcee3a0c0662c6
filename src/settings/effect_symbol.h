#pragma once
// The effect-kind symbol as Main.ini stores it: one byte of the Cyrillic
// code page.

#include <QChar>

#include <cstdint>
#include <optional>

namespace qor {

// The byte of a symbol; nullopt for a character the code page lacks.
std::optional<std::uint8_t> effColorCharCode(QChar symbol);
// The symbol of a stored byte (a bullet for a byte that decodes to nothing).
QChar effColorCharOf(std::uint8_t code);

} // namespace qor
