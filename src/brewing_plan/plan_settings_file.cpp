#include "brewing_plan/plan_settings_file.h"

#include <QDir>

#include <algorithm>
#include <array>

namespace qor {

namespace {

const RecordFileFormat kFormat{"QOR-PLAN 1", QStringLiteral("Файл настроек плана")};

// Seconds with at most two decimals ("30", "2.5", "0.75"), in hundredths.
bool parseSeconds(QByteArrayView text, std::int32_t &hundredths) {
    const qsizetype dot = text.indexOf('.');
    const QByteArrayView whole = dot < 0 ? text : text.first(dot);
    const QByteArrayView fraction = dot < 0 ? QByteArrayView() : text.sliced(dot + 1);
    std::int32_t w = 0;
    std::int32_t f = 0;
    if (!parseDigits(whole, w) || w > kMaxPlanTimeLimitCs / 100 || fraction.size() > 2 ||
        (dot >= 0 && !parseDigits(fraction, f)))
        return false;
    hundredths = w * 100 + (fraction.size() == 1 ? f * 10 : f);
    return true;
}

QByteArray secondsText(std::int32_t hundredths) {
    QByteArray text = QByteArray::number(hundredths / 100);
    if (const std::int32_t f = hundredths % 100; f != 0)
        text +=
            '.' + (f % 10 == 0 ? QByteArray::number(f / 10) : QByteArray::number(f).rightJustified(2, '0'));
    return text;
}

// The keys, in the order the file is written.
enum Key { kCount, kKind, kEffect, kObjective, kTime, kKeyCount };
constexpr std::array<const char *, kKeyCount> kKeys = {"count", "kind", "effect", "objective", "time"};

} // namespace

QString PlanSettingsFilePath(const QString &settingsDir) {
    return QDir(settingsDir).filePath(QString::fromLatin1(kPlanSettingsFileName));
}

PlanSettingsResult ParsePlanSettings(QByteArrayView bytes, PlanWindowSettings &out) {
    out = {};
    PlanWindowSettings read;
    std::array<bool, kKeyCount> seen{};
    const PlanSettingsResult r =
        parseRecordFile(bytes, kFormat, [&](QByteArrayView line) -> std::optional<QString> {
            const QByteArrayView name = takeField(line);
            const QByteArrayView valueText = takeField(line);
            const auto key = valueText.isEmpty() || !trimmedBlanks(line).isEmpty()
                                 ? kKeys.end()
                                 : std::find_if(kKeys.begin(), kKeys.end(),
                                                [name](const char *k) { return name == QByteArrayView(k); });
            if (key == kKeys.end())
                return QStringLiteral("ожидались имя параметра и значение");
            const auto which = static_cast<Key>(key - kKeys.begin());
            if (seen[which])
                return QStringLiteral("параметр %1 указан дважды").arg(QLatin1StringView(*key));
            seen[which] = true;
            std::int32_t value = 0;
            const bool number =
                which == kTime ? parseSeconds(valueText, value) : parseDigits(valueText, value);
            const std::int32_t most = which == kEffect ? kMaxPlanEffectIndex : which == kObjective ? 1 : 2;
            const bool inRange =
                which == kTime ? value >= kMinPlanTimeLimitCs && value <= kMaxPlanTimeLimitCs : value <= most;
            if (!number || !inRange)
                return QStringLiteral("недопустимое значение параметра %1: \"%2\"")
                    .arg(QLatin1StringView(*key), QString::fromLatin1(valueText.data(), valueText.size()));
            switch (which) {
            case kCount:
                read.options.ItemsCountMode = value;
                break;
            case kKind:
                read.options.kind = static_cast<PlanKind>(value);
                break;
            case kEffect:
                read.options.wantedEffect = value;
                break;
            case kObjective:
                read.options.objective = static_cast<PlanObjective>(value);
                break;
            case kTime:
            case kKeyCount:
                read.timeLimitCs = value;
                break;
            }
            return std::nullopt;
        });
    if (r.ok())
        out = read;
    return r;
}

// The one place that reads the file from disk.
PlanSettingsResult ReadPlanSettings(const QString &path, PlanWindowSettings &out) {
    out = {};
    return readRecordFile(path, FileKind::Settings,
                          [&](QByteArrayView bytes) { return ParsePlanSettings(bytes, out); });
}

QByteArray serializePlanSettings(const PlanWindowSettings &settings) {
    const std::array<QByteArray, kKeyCount> values = {
        QByteArray::number(settings.options.ItemsCountMode),
        QByteArray::number(int(settings.options.kind)),
        QByteArray::number(settings.options.wantedEffect),
        QByteArray::number(int(settings.options.objective)),
        secondsText(settings.timeLimitCs),
    };
    QByteArray text = kFormat.header.toByteArray() + "\r\n";
    for (std::size_t k = 0; k < kKeys.size(); ++k)
        text += QByteArray(kKeys[k]) + ' ' + values[k] + "\r\n";
    return text;
}

PlanSettingsResult WritePlanSettings(const QString &path, const PlanWindowSettings &settings) {
    return saveRecordFile(path, serializePlanSettings(settings));
}

} // namespace qor
