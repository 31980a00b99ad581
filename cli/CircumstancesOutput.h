#pragma once
// The circumstances as the subcommands print them: the Selección result rows as text lines,
// the record's fields by name, and the JSON form. `circumstances` and `search --at` write
// the very same bytes through these functions.
#include <QJsonObject>
#include <string>
#include <utility>
#include <vector>

#include "core/Circumstances.h"
#include "core/Session.h"

namespace vagaris::cli {

// The record's fields by name, in the record's order.
std::vector<std::pair<const char*, double>> RecordFields(const TCircumstances& c);

// Shortest text that reads back to the same double; "null" for NaN and infinity (as the JSON
// writes them).
std::string NumberText(double value);

// The result rows of the Selección page: "<caption> <text>" per value, each caption from the
// quantity's row of kSelectionQuantities; a value without a caption (the period) stands alone
// and is left out when empty.
std::vector<std::string> SelectionResultLines(const SelectionTexts& texts);

// {"name": ..., "instant": ..., "record": {...}} plus, with texts, "texts" (what each value
// label shows) and "captions" (the caption beside it), both keyed by the quantities' JSON keys.
QJsonObject CircumstancesJson(const Session& session, const SelectionTexts* texts);

// A JSON object as one line of UTF-8 text.
std::string JsonLine(const QJsonObject& object);

}  // namespace vagaris::cli
