#pragma once
// The options of the window "План варки", kept between runs in Plan.ini
// beside Stock.ini. Format: docs/plan_settings_format.md.

#include "brewing_plan/plan_recipes.h"
#include "game_data/record_file.h"

#include <cstdint>

namespace qor {

inline constexpr const char *kPlanSettingsFileName = "Plan.ini";
// The time limit in hundredths of a second, as the window's spin box has it.
inline constexpr std::int32_t kMinPlanTimeLimitCs = 50;
inline constexpr std::int32_t kMaxPlanTimeLimitCs = 360000;
// No data set has this many effects; a larger index is damage, a smaller one
// that the data lacks falls back to "any effect" in the window.
inline constexpr std::int32_t kMaxPlanEffectIndex = 99999;

struct PlanWindowSettings {
    PlanOptions options;
    std::int32_t timeLimitCs = 3000;

    friend bool operator==(const PlanWindowSettings &, const PlanWindowSettings &) = default;
};

using PlanSettingsResult = RecordFileResult;

// The file in a settings folder.
QString PlanSettingsFilePath(const QString &settingsDir);

// A missing file gives the defaults (Status::Missing); a damaged one the
// defaults and an error naming the line.
PlanSettingsResult ReadPlanSettings(const QString &path, PlanWindowSettings &out);
PlanSettingsResult ParsePlanSettings(QByteArrayView bytes, PlanWindowSettings &out);

// Writes the file atomically; on error the old file stays as it was.
PlanSettingsResult WritePlanSettings(const QString &path, const PlanWindowSettings &settings);
QByteArray serializePlanSettings(const PlanWindowSettings &settings);

} // namespace qor
