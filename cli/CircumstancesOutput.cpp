#include "cli/CircumstancesOutput.h"

#include <QJsonDocument>
#include <QString>
#include <charconv>
#include <cmath>

#include "core/precise/PreciseSession.h"
#include "translations/Translations.h"

namespace vagaris::cli {

std::vector<std::pair<const char*, double>> RecordFields(const TCircumstances& c) {
    return {
        {"RightAscension", c.RightAscension},
        {"Declination", c.Declination},
        {"Delta", c.Delta},
        {"SunDistance", c.SunDistance},
        {"Elongation", c.Elongation},
        {"PhaseAngle", c.PhaseAngle},
        {"Magnitude", c.Magnitude},
        {"Speed", c.Speed},
        {"MaxAltitude", c.MaxAltitude},
        {"Motion", c.Motion},
        {"MotionRA", c.MotionRA},
        {"MotionDec", c.MotionDec},
        {"MotionPA", c.MotionPA},
        {"ReverseMotionPA", c.ReverseMotionPA},
        {"RadiusVectorPA", c.RadiusVectorPA},
    };
}

std::string NumberText(double value) {
    if (!std::isfinite(value)) return "null";
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    return std::string(buf, end);
}

std::vector<std::string> SelectionResultLines(const SelectionTexts& texts) {
    std::vector<std::string> lines;
    if (!texts.modelLine.empty()) lines.push_back(TrCoreUtf8(texts.modelLine.c_str()));
    for (const QuantityText& v : texts.values) {
        const std::string caption = TrCoreUtf8(InfoOf(v.quantity).caption);
        if (!caption.empty())
            lines.push_back(caption + " " + v.text);
        else if (!v.text.empty())
            lines.push_back(v.text);
    }
    return lines;
}

QJsonObject CircumstancesJson(const Session& session, const SelectionTexts* texts) {
    // QJsonValue writes a double as the shortest text that reads back to it, and NaN or
    // infinity (which JSON lacks) as null.
    QJsonObject record;
    for (const auto& [name, value] : RecordFields(session.Circumstances))
        record.insert(QLatin1String(name), value);
    QJsonObject out{{QStringLiteral("name"), QString::fromStdString(session.ObjectName)},
                    {QStringLiteral("instant"), session.CurrentInstant},
                    {QStringLiteral("record"), record}};
    if (UsesPreciseModel(session.settings))
        out.insert(QStringLiteral("model"), QStringLiteral("precise"));
    if (texts) {
        QJsonObject shown, captions;
        for (const QuantityText& v : texts->values) {
            const SelectionQuantityInfo& info = InfoOf(v.quantity);
            const QString key = QLatin1String(info.jsonKey);
            shown.insert(key, QString::fromStdString(v.text));
            captions.insert(key, TrCore(info.caption));
        }
        out.insert(QStringLiteral("texts"), shown);
        out.insert(QStringLiteral("captions"), captions);
    }
    return out;
}

std::string JsonLine(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

}  // namespace vagaris::cli
