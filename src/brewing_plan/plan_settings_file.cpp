#include "brewing_plan/plan_settings_file.h"

#include "common/file_read.h"
#include "common/file_replace.h"
#include "game_data/record_lines.h"

#include <QDir>

#include <algorithm>
#include <array>

namespace qor {

namespace {

constexpr QByteArrayView kHeader = "QOR-PLAN 1";

PlanSettingsResult errorAt(int line, const QString &what) {
    PlanSettingsResult r;
    r.status = PlanSettingsResult::Status::Error;
    r.line = line;
    r.message = damagedFileMessage(QStringLiteral("Файл настроек плана"), LineFault{line, what});
    return r;
}

// Decimal digits only, at most nine of them.
bool parseCount(QByteArrayView text, std::int32_t &value) {
    if (text.isEmpty() || text.size() > 9)
        return false;
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

// Seconds with at most two decimals ("30", "2.5", "0.75"), in hundredths.
bool parseSeconds(QByteArrayView text, std::int32_t &hundredths) {
    const qsizetype dot = text.indexOf('.');
    const QByteArrayView whole = dot < 0 ? text : text.first(dot);
    const QByteArrayView fraction = dot < 0 ? QByteArrayView() : text.sliced(dot + 1);
    std::int32_t w = 0;
    std::int32_t f = 0;
    if (!parseCount(whole, w) || w > kMaxPlanTimeLimitCs / 100 || fraction.size() > 2 ||
        (dot >= 0 && !parseCount(fraction, f)))
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

PlanSettingsResult ParsePlanSettings(const QByteArray &bytes, PlanWindowSettings &out) {
    out = {};
    PlanWindowSettings read;
    std::array<bool, kKeyCount> seen{};
    RecordLines lines(bytes);
    if (const std::optional<LineFault> fault = lines.readHeader(kHeader))
        return errorAt(fault->line, fault->what);
    QByteArrayView line;
    while (lines.nextRecord(line)) {
        const int lineNo = lines.lineNo();
        const QByteArrayView name = takeField(line);
        const QByteArrayView valueText = takeField(line);
        const auto key = valueText.isEmpty() || !trimmedBlanks(line).isEmpty()
                             ? kKeys.end()
                             : std::find_if(kKeys.begin(), kKeys.end(),
                                            [name](const char *k) { return name == QByteArrayView(k); });
        if (key == kKeys.end())
            return errorAt(lineNo, QStringLiteral("ожидались имя параметра и значение"));
        const auto which = static_cast<Key>(key - kKeys.begin());
        if (seen[which])
            return errorAt(lineNo, QStringLiteral("параметр %1 указан дважды").arg(QLatin1StringView(*key)));
        seen[which] = true;
        std::int32_t value = 0;
        const bool number = which == kTime ? parseSeconds(valueText, value) : parseCount(valueText, value);
        const std::int32_t most = which == kEffect ? kMaxPlanEffectIndex : which == kObjective ? 1 : 2;
        const bool inRange =
            which == kTime ? value >= kMinPlanTimeLimitCs && value <= kMaxPlanTimeLimitCs : value <= most;
        if (!number || !inRange)
            return errorAt(lineNo, QStringLiteral("недопустимое значение параметра %1: \"%2\"")
                                       .arg(QLatin1StringView(*key),
                                            QString::fromLatin1(valueText.data(), valueText.size())));
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
    }
    out = read;
    return {};
}

// The one place that reads the file from disk.
PlanSettingsResult ReadPlanSettings(const QString &path, PlanWindowSettings &out) {
    out = {};
    QByteArray bytes;
    const FileRead read = readCheckedFile(path, FileKind::Settings, bytes);
    if (read.fault == FileFault::Missing) {
        PlanSettingsResult r;
        r.status = PlanSettingsResult::Status::Missing;
        return r;
    }
    if (!read.ok()) {
        PlanSettingsResult r = errorAt(0, QString());
        r.message = read.text(path);
        return r;
    }
    PlanSettingsResult r = ParsePlanSettings(bytes, out);
    if (!r.ok())
        r.message = QStringLiteral("%1: %2").arg(path, r.message);
    return r;
}

QByteArray serializePlanSettings(const PlanWindowSettings &settings) {
    const std::array<QByteArray, kKeyCount> values = {
        QByteArray::number(settings.options.ItemsCountMode),
        QByteArray::number(int(settings.options.kind)),
        QByteArray::number(settings.options.wantedEffect),
        QByteArray::number(int(settings.options.objective)),
        secondsText(settings.timeLimitCs),
    };
    QByteArray text = kHeader + "\r\n";
    for (std::size_t k = 0; k < kKeys.size(); ++k)
        text += QByteArray(kKeys[k]) + ' ' + values[k] + "\r\n";
    return text;
}

PlanSettingsResult WritePlanSettings(const QString &path, const PlanWindowSettings &settings) {
    if (const auto reason = replaceFileContents(path, serializePlanSettings(settings))) {
        PlanSettingsResult r;
        r.status = PlanSettingsResult::Status::Error;
        r.message = QStringLiteral("Не удалось записать файл %1: %2").arg(path, *reason);
        return r;
    }
    return {};
}

} // namespace qor
