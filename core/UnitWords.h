#pragma once
// The unit words that the pure text layouts write after their numbers. A layout takes them as
// a parameter, Spanish by default (the program's own language, and what the saved files and
// the tests hold); the window and vagaris-cli pass the interface language's. Each Spanish
// word is also its message identifier: the Qt layer translates it through the catalogue in
// translations/Translations.cpp, so core/ stays free of Qt.
#include <string>

namespace vagaris {

struct UnitWords {
    std::string au = "UA";              // after a distance [AU]
    std::string years = "años";         // after the period
    std::string perMinute = "/minuto";  // after an apparent motion ["/min]
    std::string perHour = "/hora";      // after an apparent motion ["/h]
    std::string seconds = "seg";        // after an exposure in seconds
};

}  // namespace vagaris
