#pragma once
// The circumstances as the subcommands print them: the Selección result rows as text lines,
// the record's fields by name, and the JSON form. `circumstances` and `search --at` write
// the very same bytes through these functions.
#include <string>
#include <utility>
#include <vector>

#include "core/Circumstances.h"
#include "core/Session.h"

namespace vagaris::cli {

// The record's fields by name, in the record's order.
std::vector<std::pair<const char*, double>> RecordFields(const TCircumstances& c);

// Shortest text that reads back to the same double; "null" for NaN and infinity.
std::string JsonNumber(double value);

// A JSON string literal; UTF-8 passes through unchanged.
std::string JsonString(const std::string& text);

// The result rows of the Selección page: "<caption> <text>" per value label, the motion
// rows under the captions Label66 and Label67 currently show, then the period alone (left
// out when empty).
std::vector<std::string> SelectionResultLines(const SelectionTexts& texts);

// {"name": ..., "instant": ..., "record": {...}} plus, with texts, "labels": {...} holding
// what each label shows.
std::string CircumstancesJson(const Session& session, const SelectionTexts* texts);

}  // namespace vagaris::cli
