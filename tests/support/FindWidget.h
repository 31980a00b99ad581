#pragma once
// The control of a window found by its objectName; a missing one fails the test.
#include <gtest/gtest.h>

#include <QObject>
#include <QString>

namespace vagaris::test {

template <class T>
T* FindWidget(const QObject& root, const char* name) {
    T* w = root.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

}  // namespace vagaris::test
