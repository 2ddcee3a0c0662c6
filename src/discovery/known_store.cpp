#include "discovery/known_store.h"

namespace qor {

KnownStore::KnownStore(const GameData &data, const EffectStrengths &strengths, const QString &settingsDir,
                       QObject *parent)
    : QObject(parent), m_data(data), m_strengths(strengths), m_path(KnownFilePath(settingsDir)),
      m_known(KnownEffects::empty(data.itemRecordCount())) {}

QString KnownStore::load() {
    const KnownResult r = ReadKnown(m_path, m_data.itemRecordCount(), m_known);
    m_keepOld = r.status == KnownResult::Status::Error;
    Q_EMIT changed();
    return m_keepOld ? r.message : QString();
}

void KnownStore::toggle(int item, int slot) {
    m_known.setKnown(item, slot, !m_known.isKnown(item, slot));
    save();
}

void KnownStore::learnItem(int item) {
    m_known.learn(item, filledSlots(m_data, item));
    save();
}

void KnownStore::eat(int item) {
    m_known.learn(item, revealOfEating(m_data, item));
    save();
}

void KnownStore::brew(int item1, int item2, int item3) {
    const BrewReveal r = revealOfBrew(m_data, m_strengths, item1, item2, item3);
    for (std::size_t k = 0; k < r.items.size(); ++k)
        m_known.learn(r.items[k], r.slots[k]);
    save();
}

void KnownStore::apply(const DiscoveryStep &step) {
    applyStep(step, m_known);
    save();
}

void KnownStore::markAll() {
    markAllKnown(m_data, m_known);
    save();
}

void KnownStore::clearAll() {
    clearKnown(m_known);
    save();
}

void KnownStore::setShowOnlyKnown(bool on) {
    m_known.showOnlyKnown = on;
    save();
}

void KnownStore::save() {
    Q_EMIT changed();
    if (m_keepOld) {
        const StockResult moved = MoveStockToBackup(m_path);
        if (!moved.ok()) {
            Q_EMIT saveFailed(moved.message);
            return;
        }
        m_keepOld = false;
    }
    const KnownResult r = WriteKnown(m_path, m_known);
    if (!r.ok())
        Q_EMIT saveFailed(r.message);
}

} // namespace qor
