#pragma once
// The block of 71 numbers of Main.ini: sizes, colours, check states, the
// skill settings, sort and find columns and tool-window switches. The values
// are kept raw, exactly as read, so that a file survives a read-write cycle;
// a typed key of the table interprets them (a flag is true only for exactly
// 1).

#include "settings/setting_table.h"

#include <array>
#include <concepts>
#include <cstdint>

namespace qor {

class SettingsBlock {
  public:
    template <typename T> T get(SettingKey<T> key) const {
        const std::int32_t raw = value(key.line);
        if constexpr (std::same_as<T, bool>)
            return raw == 1;
        else
            return static_cast<T>(raw); // the marker character: its low byte
    }
    // The value must have the key's own type: a check state takes a bool,
    // never a number.
    template <typename T, typename V>
    requires std::same_as<V, T>
    void set(SettingKey<T> key, V v) { setValue(key.line, static_cast<std::int32_t>(v)); }
    // A number pulled into its range: for applying a value from a damaged
    // file to a control without trusting it.
    std::int32_t clamped(const NumberKey &key) const { return clampedValue(key.line); }

    // Raw access by 1-based line number, for the file and for commands that
    // name their line at run time; a line outside 1..71 reads 0 and ignores
    // writes.
    std::int32_t value(int line) const;
    void setValue(int line, std::int32_t v);
    std::int32_t clampedValue(int line) const;

    // The two corrections applied after reading (find columns out of range).
    void applyReadCorrections();
    // Reserved lines are always 0 in a written file.
    void clearReserved();
    // Flag lines become their check state, 0 or 1: a check state is on only
    // for exactly 1, so a 2 or -1 from a foreign file is written back as 0.
    void normalizeFlags();

    // The skill settings of lines 39, 44..48 and 57.
    SkillSettings skillSettings() const;
    // The same pulled into the skill tab's ranges, for computing with them.
    SkillSettings clampedSkillSettings() const;
    void setSkillSettings(const SkillSettings &s);

    const std::array<std::int32_t, kSettingsBlockSize> &values() const { return m_values; }

    friend bool operator==(const SettingsBlock &, const SettingsBlock &) = default;

  private:
    std::array<std::int32_t, kSettingsBlockSize> m_values{};
};

} // namespace qor
