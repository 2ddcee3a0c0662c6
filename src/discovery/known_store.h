#pragma once
// The player's knowledge while the program runs: read from Known.ini at the
// start, written back after every change. A damaged file is never written
// over: the first change keeps it as Known.ini.bak.

#include "discovery/discovery_plan.h"

#include <QObject>

namespace qor {

class KnownStore : public QObject {
    Q_OBJECT
  public:
    KnownStore(const GameData &data, const EffectStrengths &strengths, const QString &settingsDir,
               QObject *parent = nullptr);

    // Reads the file; the message for the player when it is damaged or
    // unreadable (empty when it was read or is not there yet).
    QString load();
    const KnownEffects &known() const { return m_known; }
    const GameData &data() const { return m_data; }
    const EffectStrengths &strengths() const { return m_strengths; }
    QString path() const { return m_path; }

    void toggle(int item, int slot);
    // Every filled slot of the ingredient.
    void learnItem(int item);
    // What eating or brewing teaches.
    void eat(int item);
    void brew(int item1, int item2, int item3);
    void apply(const DiscoveryStep &step);
    void markAll();
    void clearAll();
    void setShowOnlyKnown(bool on);

  Q_SIGNALS:
    void changed();
    // A save failed; the message names the file.
    void saveFailed(const QString &message);

  private:
    void save();

    const GameData &m_data;
    // The window's table, kept current as the skills change.
    const EffectStrengths &m_strengths;
    QString m_path;
    KnownEffects m_known;
    bool m_keepOld = false; // the file on disk is damaged: move it aside before writing
};

} // namespace qor
