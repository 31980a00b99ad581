#include "shell/SiteBoxes.h"

#include <QLineEdit>

#include "core/Errors.h"
#include "toolkit/MaskedEdit.h"
#include "settings/SettingsFile.h"

namespace {

void FitToText(QLineEdit* edit, const QString& sample) {
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(sample) + 14);
}

bool LongitudeAccepted(const QString& text) {
    std::string t = text.toStdString();
    if (!t.empty() && t[0] == ' ') t[0] = '+';
    return vagaris::IsLongitudeText(t);
}

}  // namespace

SiteBoxes NewSiteBoxes(const std::function<void()>& onLatitudeOrHeightLeft) {
    SiteBoxes boxes;
    boxes.latitude =
        NewMaskedEdit(QStringLiteral("meLat"), QStringLiteral("#00;1;_"), QStringLiteral("+40"));
    boxes.height =
        NewMaskedEdit(QStringLiteral("meAlt"), QStringLiteral("0000;1;_"), QStringLiteral("0000"));
    // The longitude (east positive) is used by the tonight list and the precise model: sign,
    // three digits and one decimal, -180.0 … +180.0.
    boxes.longitude = NewMaskedEdit(QStringLiteral("meLon"), QStringLiteral("#000.0;1;_"),
                                    QStringLiteral("+000.0"));
    FitToText(boxes.latitude, QStringLiteral("+000"));
    FitToText(boxes.height, QStringLiteral("00000"));
    FitToText(boxes.longitude, QStringLiteral("+0000.0"));
    InstallExitCheck(boxes.latitude, {}, onLatitudeOrHeightLeft);
    InstallExitCheck(boxes.height, {}, onLatitudeOrHeightLeft);
    InstallExitCheck(boxes.longitude, LongitudeAccepted);
    return boxes;
}

std::string LongitudeOfBox(const QLineEdit* box) {
    std::string t = MaskedText(box).toStdString();
    if (!t.empty() && t[0] == ' ') t[0] = '+';
    return t;
}

QLineEdit* FirstIncompleteSiteBox(const SiteBoxes& boxes) {
    for (QLineEdit* box : {boxes.latitude, boxes.longitude, boxes.height})
        if (!box->hasAcceptableInput()) return box;
    // The conversions the site constants make (the defaults stand in for the other box).
    const auto converts = [](const std::string& lat, const std::string& alt) {
        try {
            vagaris::ComputeSite(lat, alt);
            return true;
        } catch (const vagaris::EConvertError&) {
            return false;
        }
    };
    if (!converts(MaskedText(boxes.latitude).toStdString(), "0")) return boxes.latitude;
    if (!converts("+40", MaskedText(boxes.height).toStdString())) return boxes.height;
    if (!vagaris::IsLongitudeText(LongitudeOfBox(boxes.longitude))) return boxes.longitude;
    return nullptr;
}
