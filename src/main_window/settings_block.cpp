#include "main_window/settings_block.h"

namespace qor {

std::int32_t SettingsBlock::value(int line) const {
    if (line < 1 || line > kSettingsBlockSize)
        return 0;
    return m_values[static_cast<std::size_t>(line - 1)];
}

void SettingsBlock::setValue(int line, std::int32_t v) {
    if (line < 1 || line > kSettingsBlockSize)
        return;
    m_values[static_cast<std::size_t>(line - 1)] = v;
}

void SettingsBlock::applyReadCorrections() {
    const std::int32_t grid = gridFindCol();
    if (grid == 0 || grid > kMaxGridFindCol)
        setGridFindCol(1);
    if (potionFindCol() > kMaxPotionFindCol)
        setPotionFindCol(3);
}

void SettingsBlock::clearReserved() {
    setValue(SettingsLine::Reserved14, 0);
    setValue(SettingsLine::Reserved69, 0);
    setValue(SettingsLine::Reserved70, 0);
    setValue(SettingsLine::Reserved71, 0);
}

SkillSettings SettingsBlock::skillSettings() const {
    SkillSettings s;
    s.AlchemySkill = alchemySkill();
    s.AlchemyFortify = alchemyFortify();
    s.AlchemistRanks = alchemistRanks();
    s.PerkPhysician = perkPhysician();
    s.PerkBenefactor = perkBenefactor();
    s.PerkPoisoner = perkPoisoner();
    s.PerkPurity = perkPurity();
    return s;
}

void SettingsBlock::setSkillSettings(const SkillSettings &s) {
    setAlchemySkill(s.AlchemySkill);
    setAlchemyFortify(s.AlchemyFortify);
    setAlchemistRanks(s.AlchemistRanks);
    setPerkPhysician(s.PerkPhysician);
    setPerkBenefactor(s.PerkBenefactor);
    setPerkPoisoner(s.PerkPoisoner);
    setPerkPurity(s.PerkPurity);
}

} // namespace qor
