#include "settings/settings_block.h"

#include <algorithm>

namespace qor {

namespace {

// The members of the table are its rows: unpacking them keeps the table the
// one list of lines. The block has exactly 71 lines, so a row added or lost
// fails here.
constexpr std::array<SettingRow, kSettingsBlockSize> rowsOf(const SettingTable &table) {
    const auto &[l01, l02, l03, l04, l05, l06, l07, l08, l09, l10, l11, l12, l13, l14, l15, l16, l17, l18,
                 l19, l20, l21, l22, l23, l24, l25, l26, l27, l28, l29, l30, l31, l32, l33, l34, l35, l36,
                 l37, l38, l39, l40, l41, l42, l43, l44, l45, l46, l47, l48, l49, l50, l51, l52, l53, l54,
                 l55, l56, l57, l58, l59, l60, l61, l62, l63, l64, l65, l66, l67, l68, l69, l70, l71] = table;
    return {l01, l02, l03, l04, l05, l06, l07, l08, l09, l10, l11, l12, l13, l14, l15, l16, l17, l18,
            l19, l20, l21, l22, l23, l24, l25, l26, l27, l28, l29, l30, l31, l32, l33, l34, l35, l36,
            l37, l38, l39, l40, l41, l42, l43, l44, l45, l46, l47, l48, l49, l50, l51, l52, l53, l54,
            l55, l56, l57, l58, l59, l60, l61, l62, l63, l64, l65, l66, l67, l68, l69, l70, l71};
}

constexpr std::array<SettingRow, kSettingsBlockSize> kRows = rowsOf(Setting);

constexpr bool rowsAreComplete() {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const SettingRow &row = kRows[i];
        if (row.line != static_cast<int>(i) + 1 || row.min > row.max || row.def < row.min ||
            row.def > row.max)
            return false;
    }
    return true;
}
static_assert(rowsAreComplete(), "one row per line, in line order, each default within its range");

bool validLine(int line) {
    return line >= 1 && line <= kSettingsBlockSize;
}

} // namespace

std::span<const SettingRow, kSettingsBlockSize> settingRows() {
    return kRows;
}

SettingRow settingRow(int line) {
    if (!validLine(line))
        return {line, SettingKind::Number, kSettingMin, kSettingMax, 0};
    return kRows[static_cast<std::size_t>(line - 1)];
}

std::int32_t SettingsBlock::clampedValue(int line) const {
    const SettingRow row = settingRow(line);
    // A flag is on only for exactly 1, so 5 is off rather than clamped to on.
    if (row.kind == SettingKind::Flag)
        return value(line) == 1 ? 1 : 0;
    return std::clamp(value(line), row.min, row.max);
}

std::int32_t SettingsBlock::value(int line) const {
    if (!validLine(line))
        return 0;
    return m_values[static_cast<std::size_t>(line - 1)];
}

void SettingsBlock::setValue(int line, std::int32_t v) {
    if (!validLine(line))
        return;
    m_values[static_cast<std::size_t>(line - 1)] = v;
}

void SettingsBlock::applyReadCorrections() {
    const std::int32_t grid = get(Setting.GridFindCol);
    if (grid == 0 || grid > kMaxGridFindCol)
        set(Setting.GridFindCol, 1);
    if (get(Setting.PotionFindCol) > kMaxPotionFindCol)
        set(Setting.PotionFindCol, 3);
}

void SettingsBlock::clearReserved() {
    for (const SettingRow &row : kRows) {
        if (row.kind == SettingKind::Reserved)
            setValue(row.line, 0);
    }
}

void SettingsBlock::normalizeFlags() {
    for (const SettingRow &row : kRows) {
        if (row.kind == SettingKind::Flag)
            setValue(row.line, clampedValue(row.line));
    }
}

SkillSettings SettingsBlock::skillSettings() const {
    SkillSettings s;
    s.AlchemySkill = get(Setting.AlchemySkill);
    s.AlchemyFortify = get(Setting.AlchemyFortify);
    s.AlchemistRanks = get(Setting.AlchemistRanks);
    s.PerkPhysician = get(Setting.PerkPhysician);
    s.PerkBenefactor = get(Setting.PerkBenefactor);
    s.PerkPoisoner = get(Setting.PerkPoisoner);
    s.PerkPurity = get(Setting.PerkPurity);
    return s;
}

SkillSettings SettingsBlock::clampedSkillSettings() const {
    SkillSettings s = skillSettings();
    s.AlchemySkill = clamped(Setting.AlchemySkill);
    s.AlchemyFortify = clamped(Setting.AlchemyFortify);
    s.AlchemistRanks = clamped(Setting.AlchemistRanks);
    return s;
}

void SettingsBlock::setSkillSettings(const SkillSettings &s) {
    set(Setting.AlchemySkill, s.AlchemySkill);
    set(Setting.AlchemyFortify, s.AlchemyFortify);
    set(Setting.AlchemistRanks, s.AlchemistRanks);
    set(Setting.PerkPhysician, s.PerkPhysician);
    set(Setting.PerkBenefactor, s.PerkBenefactor);
    set(Setting.PerkPoisoner, s.PerkPoisoner);
    set(Setting.PerkPurity, s.PerkPurity);
}

} // namespace qor
