#pragma once
// The JSON the command-line tool prints, read back with Qt's parser: the tests compare parsed
// values, so key order and spacing are free.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QString>
#include <string>

namespace vagaris::test {

// The one JSON object of `text` (a line of output); an empty object and a failure otherwise.
inline QJsonObject ParseJsonObject(const std::string& text) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        ADD_FAILURE() << "not one JSON object (" << error.errorString().toStdString()
                      << "): " << text;
        return {};
    }
    return doc.object();
}

// Widget names (Label34, ComboBox3, ...) end in digits; no key at any depth may look like one.
inline void ExpectNoWidgetNameKeys(const QJsonObject& object) {
    for (auto it = object.begin(); it != object.end(); ++it) {
        EXPECT_FALSE(it.key().contains(QRegularExpression(QStringLiteral("[0-9]"))))
            << it.key().toStdString();
        if (it.value().isObject()) ExpectNoWidgetNameKeys(it.value().toObject());
    }
}

}  // namespace vagaris::test
