#pragma once
// A small game data set built by hand for the recipe list, reference grid and
// alternative-making tests, independent of the data files.

#include "engine/effect_strength.h"
#include "engine/potion_list.h"
#include "engine/potion_rec.h"
#include "game_data/game_data.h"

#include <QString>

#include <array>
#include <initializer_list>
#include <memory>
#include <vector>

namespace qor::modeltest {

class DataBuilder {
  public:
    DataBuilder() {
        m_data.EffectTable.emplace_back();
        m_data.EffectNames << QString();
        m_data.EffectNamesUp << QString();
        m_data.ItemTable.emplace_back();
        m_data.ItemNames << QString();
        m_data.ItemNamesUp << QString();
        m_data.ItemNames2 << QString();
        m_rows.emplace_back();
        m_strengths = EffectStrengths(1);
    }

    int effect(const QString &name, bool harmful = false, bool percent = false, double baseCost = 1.0) {
        TEffectRec rec;
        rec.Harmful = harmful ? 1 : 0;
        rec.Percent = percent ? 1 : 0;
        rec.BaseCost = baseCost;
        m_data.EffectTable.push_back(rec);
        m_data.EffectNames << name;
        m_data.EffectNamesUp << name.toUpper();
        return m_data.highestEffect();
    }

    // Slot strengths are derived from the indices so that every slot differs:
    // Power = 10 * effect + item, Time = item, Cost = 100 * effect + item
    // (the plain values alike).
    int item(const QString &name, std::array<int, 4> effects, const QString &name2 = {},
             std::int32_t cost = 1, double weight = 0.1, std::int32_t id = 0) {
        const int index = m_data.itemRecordCount();
        TItemRec rec;
        rec.Cost = cost;
        rec.Weight = weight;
        rec.ID = id;
        ItemStrengths row{};
        for (int s = 0; s < 4; ++s) {
            TItemEffect &slot = rec.Eff[s];
            slot.Effect = effects[s];
            slot.BasePower = effects[s] + s;
            slot.BaseTime = 2 * effects[s];
            SlotStrength &st = row[s];
            st.Effect = effects[s] > 0 && effects[s] <= m_data.highestEffect() ? effects[s] : 0;
            st.Power = st.PowerPlain = 10 * effects[s] + index;
            st.Time = st.TimePlain = index;
            st.Cost = st.CostPlain = 100 * effects[s] + index;
        }
        m_data.ItemTable.push_back(rec);
        m_rows.push_back(row);
        m_strengths = EffectStrengths(m_data.itemRecordCount());
        for (int i = 0; i < m_data.itemRecordCount(); ++i)
            m_strengths.item(i) = m_rows[std::size_t(i)];
        m_data.ItemNames << name;
        m_data.ItemNamesUp << name.toUpper();
        m_data.ItemNames2 << name2;
        return index;
    }

    GameData &data() { return m_data; }
    // The hand-set strengths of every ingredient added so far.
    const EffectStrengths &strengths() const { return m_strengths; }

  private:
    GameData m_data;
    std::vector<ItemStrengths> m_rows;
    EffectStrengths m_strengths;
};

// A recipe record with the given ingredients and effects (Power, Time, Cost
// per effect given as effect*10, effect, effect*100).
inline TPotionRec recipe(std::initializer_list<int> items, std::initializer_list<int> effects, int cost = 0) {
    TPotionRec rec{};
    int k = 0;
    for (int item : items)
        rec.Items[k++] = item;
    rec.ItemCount = k;
    int s = 0;
    for (int e : effects) {
        rec.Effects[s] = {e, e * 10, e, e * 100};
        ++s;
    }
    rec.EffCount = s;
    rec.MainEffSlot = 1;
    rec.Cost = cost;
    return rec;
}

inline std::unique_ptr<PotionList> listOf(std::initializer_list<TPotionRec> recs) {
    auto list = std::make_unique<PotionList>();
    for (const TPotionRec &rec : recs)
        list->AddPotion(rec);
    return list;
}

} // namespace qor::modeltest
