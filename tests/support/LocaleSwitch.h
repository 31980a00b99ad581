#pragma once
// Switches the C locale for a test and puts the one in force back at the end, so a test can
// check that the machine's locale (a German one writes "1,5") changes nothing.
#include <clocale>
#include <string>

namespace vagaris::test {

class LocaleSwitch {
public:
    LocaleSwitch() : saved_(std::setlocale(LC_ALL, nullptr)) {}
    ~LocaleSwitch() { restore(); }
    LocaleSwitch(const LocaleSwitch&) = delete;
    LocaleSwitch& operator=(const LocaleSwitch&) = delete;

    // False when the machine does not have that locale (nothing changes then).
    bool select(const char* name) { return std::setlocale(LC_ALL, name) != nullptr; }
    // Back to the locale in force at construction.
    void restore() { std::setlocale(LC_ALL, saved_.c_str()); }

private:
    std::string saved_;
};

}  // namespace vagaris::test
