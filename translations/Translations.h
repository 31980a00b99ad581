#pragma once
// The interface language at run time: Vagaris's translations (compiled from
// translations/vagaris_<code>.ts and embedded in the executables) and Qt's own texts (standard
// buttons, file dialogs), from the Qt translations folder when Debian's package is installed.
//
// Spanish needs no translation: it is the language the texts are written in.
#include <QLocale>
#include <QString>
#include <string>
#include <vector>

#include "core/Message.h"
#include "core/UnitWords.h"
#include "settings/Language.h"

// The system's interface languages, most preferred first (the window's automatic choice).
std::vector<std::string> SystemUiLanguages();

// The languages of this build: Spanish ("es"), then the code of every Vagaris translation
// embedded in the executables, in code order. A translation file added to translations/ is in
// this list after the next build, with nothing else to change.
std::vector<std::string> AvailableLanguages();
// The same from the compiled translations "vagaris_<code>.qm" found in `folder` (the embedded
// ones are in ":/i18n"); file names that do not hold a well-formed code are ignored.
std::vector<std::string> LanguagesIn(const QString& folder);

// The name of an available language in that language ("Español", "English"), as its own
// translation file gives it; the code itself when the file gives none.
QString LanguageName(const std::string& code);

// The language the window starts in: the choice of settings line 12 in programDir's settings
// file (read quietly: the window tells its problems once it is up) when this build has it, the
// system's interface languages otherwise.
std::string StartLanguage(const std::string& programDir,
                          const std::vector<std::string>& uiLanguages);

// Loads the translations of `code`, dropping those of an earlier call, and installs them in
// the application when there is one (the window; vagaris-cli may have none, and translates
// the pure code's texts through TrCore without it). False when Vagaris's own translation
// could not be loaded (the interface then stays Spanish).
bool UseLanguage(const std::string& code);
// The code of the language in use ("es" until UseLanguage loads another).
std::string CurrentLanguage();

// The locale of the names Qt builds itself, such as the calendar's months and week days.
QLocale InterfaceLocale();

// A text of the pure code (a Selección caption, UTF-8 Spanish as core/ writes it) in the
// interface language. The Spanish text is the message's identifier: the catalogue of these
// identifiers is in Translations.cpp, where lupdate finds them.
QString TrCore(const char* spanish);
std::string TrCoreUtf8(const char* spanish);
// A message of the pure code in the interface language: its pattern translated whole, its
// values put back in. The patterns are in the same catalogue.
QString TrMessage(const vagaris::Message& message);
// What an error says in the interface language (vagaris::ErrorText with TrCoreUtf8).
QString TrError(const std::exception& error);

// The unit words of the pure text layouts in the interface language.
vagaris::UnitWords InterfaceUnitWords();
