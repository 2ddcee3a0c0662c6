#include "settings/settings_store.h"

namespace qor {

void SettingsStore::setSettingValue(int line, std::int32_t v) {
    editSettings([&](MainSettings &s) { s.block.setValue(line, v); });
}

void SettingsStore::setFont(SettingsFont which, const QString &name, int pointSize) {
    editSettings([&](MainSettings &s) {
        FontSetting &stored = s.font(which);
        stored.name = name;
        if (pointSize > 0)
            stored.size = pointSize;
    });
}

void SettingsStore::announceSettings(const MainSettings &before) {
    announceFavorites(before.favorites);
    announceIngredientSets(before.usedItems);
    for (int line = 1; line <= kSettingsBlockSize; ++line)
        if (m_settings.block.value(line) != before.block.value(line))
            Q_EMIT settingChanged(line);
    for (std::size_t k = 0; k < m_settings.fonts.size(); ++k)
        if (m_settings.fonts[k] != before.fonts[k])
            Q_EMIT fontChanged(static_cast<SettingsFont>(k));
}

} // namespace qor
