#pragma once
// The interface language at run time: Vagaris's English translation (compiled from
// translations/vagaris_en.ts and embedded in the executables) and Qt's own texts (standard
// buttons, file dialogs), from the Qt translations folder when Debian's package is installed.
//
// Spanish needs no translation: it is the language the texts are written in.
#include <QLocale>
#include <QString>
#include <string>
#include <vector>

#include "core/UnitWords.h"
#include "shell/settings/Language.h"

// The system's interface languages, most preferred first (the window's automatic choice).
std::vector<std::string> SystemUiLanguages();

// The language the window starts in: the choice of settings line 12 in programDir's settings
// file (read quietly: the window tells its problems once it is up), the system's interface
// languages when that choice is automatic.
vagaris::UiLanguage StartLanguage(const std::string& programDir,
                                  const std::vector<std::string>& uiLanguages);

// Loads the translations of `language`, dropping those of an earlier call, and installs them
// in the application when there is one (the window; vagaris-cli may have none, and translates
// the pure code's texts through TrCore without it). False when Vagaris's own translation
// could not be loaded (the interface then stays Spanish).
bool UseLanguage(vagaris::UiLanguage language);
vagaris::UiLanguage CurrentLanguage();

// The locale of the names Qt builds itself, such as the calendar's months and week days.
QLocale InterfaceLocale();

// A text of the pure code (a Selección caption, UTF-8 Spanish as core/ writes it) in the
// interface language. The Spanish text is the message's identifier: the catalogue of these
// identifiers is in Translations.cpp, where lupdate finds them.
QString TrCore(const char* spanish);
std::string TrCoreUtf8(const char* spanish);

// The unit words of the pure text layouts in the interface language.
vagaris::UnitWords InterfaceUnitWords();
