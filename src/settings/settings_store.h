#pragma once
// Everything Main.ini carries as the session keeps it, seen from the views
// below the session (the help, the favourites' windows): read it, change it
// through an edit or one line, and follow the announcements. An edit compares
// before and after, so what changed is announced once and an edit that
// changed nothing announces nothing.

#include "favorites/favorites_store.h"
#include "settings/settings_file.h"

#include <concepts>
#include <utility>

namespace qor {

class SettingsStore : public FavoritesStore {
    Q_OBJECT
  public:
    using FavoritesStore::FavoritesStore;

    const MainSettings &settings() const { return m_settings; }
    const SettingsBlock &block() const { return m_settings.block; }
    const FavoritesModel &favorites() const override { return m_settings.favorites; }
    const UsedItemsModel &ingredientSets() const override { return m_settings.usedItems; }

    // Any other change (the file read, sizes and fonts collected before a
    // save): edit gets the settings and returns what it likes; each
    // favourite list, the sets and every block line that differ afterwards
    // are announced.
    template <class Edit> decltype(auto) editSettings(Edit &&edit) {
        const MainSettings before = m_settings;
        struct Announce {
            SettingsStore &store;
            const MainSettings &before;
            ~Announce() { store.announceSettings(before); }
        } announce{*this, before};
        return std::forward<Edit>(edit)(m_settings);
    }

    // One line of the block; settingChanged(line) when its value differs.
    template <typename T, typename V>
    requires std::same_as<V, T>
    void setSetting(SettingKey<T> key, V v) {
        editSettings([&](MainSettings &s) { s.block.set(key, v); });
    }
    // The same by line number, for commands that name their line at run time.
    void setSettingValue(int line, std::int32_t v);
    // A font the user chose: its face, and its size when it has one in
    // points (a pixel-sized font keeps the stored size).
    void setFont(SettingsFont which, const QString &name, int pointSize);
  Q_SIGNALS:
    // A line of the Main.ini block (1..71) took another value.
    void settingChanged(int line);
    // One of the stored fonts took another face or size.
    void fontChanged(qor::SettingsFont which);

  protected:
    FavoritesModel &favoritesForEdit() override { return m_settings.favorites; }
    UsedItemsModel &ingredientSetsForEdit() override { return m_settings.usedItems; }

  private:
    void announceSettings(const MainSettings &before);

    MainSettings m_settings;
};

} // namespace qor
