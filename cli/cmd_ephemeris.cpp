// vagaris-cli ephemeris: the Efemérides page's table for one catalog object.
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/CommonOptions.h"
#include "core/Session.h"
#include "core/TextFile.h"
#include "core/TextForms.h"
#include "outputs/ephemeris/EphemerisTable.h"

namespace {

using vagaris::cli::ParsedArgs;
using vagaris::cli::UsageError;

constexpr const char* kUsage =
    "uso: vagaris-cli ephemeris --catalog FILE [--kind C|A] (--object N | --name TEXT)\n"
    "            --start \"dd/mm/yyyy hh:nn:ss\" [--step 01.0] [--unit dias|horas|minutos]\n"
    "            [--rows 0030] [--no-vel] [--no-altura] [--no-delta] [--no-r] [--no-elo]\n"
    "            [--no-fase] [--cola] [--polar | --cartesian] [--per-minute | --per-hour]\n"
    "            [--lat +40] [-o FILE]";

vagaris::EphemerisStepUnit UnitOption(const std::string& text) {
    if (text == "dias" || text == "días" || text == "d") return vagaris::EphemerisStepUnit::Days;
    if (text == "horas" || text == "h") return vagaris::EphemerisStepUnit::Hours;
    if (text == "minutos" || text == "m") return vagaris::EphemerisStepUnit::Minutes;
    throw UsageError("--unit: se espera dias, horas o minutos, no '" + text + "'\n" + kUsage);
}

// "dd/mm/yyyy hh:nn:ss" → the two texts of the page's start boxes (time 00:00:00 when
// only the date is given).
void SplitStart(const std::string& start, vagaris::EphemerisRangeTexts& texts) {
    const std::string trimmed = vagaris::Trim(start);
    const auto blank = trimmed.find(' ');
    texts.StartDate = trimmed.substr(0, blank);
    texts.StartTime =
        blank == std::string::npos ? "00:00:00" : vagaris::Trim(trimmed.substr(blank));
}

vagaris::EphemerisRangeTexts RangeOptions(const ParsedArgs& args) {
    if (!args.has("--start")) throw UsageError(std::string("falta --start\n") + kUsage);
    vagaris::EphemerisRangeTexts texts;
    SplitStart(args.value("--start"), texts);
    texts.Step = args.value("--step", "01.0");
    texts.Rows = args.value("--rows", "0030");
    texts.Unit = UnitOption(args.value("--unit", "dias"));
    // The page's boxes hold 00.0 to 99.9 and 0000 to 9999; the conversion messages of
    // malformed texts are the page's own.
    const double step = vagaris::ParseFloat(texts.Step);
    if (step < 0 || step > 99.9) throw UsageError("--step: de 00.0 a 99.9");
    const int rows = vagaris::ParseInt(texts.Rows);
    if (rows < 0 || rows > 9999) throw UsageError("--rows: de 0 a 9999");
    return texts;
}

vagaris::EphemerisLayout LayoutOptions(const ParsedArgs& args, const vagaris::Settings& settings) {
    vagaris::EphemerisLayout layout;
    layout.Vel = !args.has("--no-vel");
    layout.Altura = !args.has("--no-altura");
    layout.Delta = !args.has("--no-delta");
    layout.R = !args.has("--no-r");
    layout.Elo = !args.has("--no-elo");
    layout.Fase = !args.has("--no-fase");
    layout.Cola = args.has("--cola");
    vagaris::ApplyEphemerisSettings(layout, settings);
    return layout;
}

int Run(const CliArgList& argList) {
    using namespace vagaris::cli;
    std::set<std::string> objectValued = kObjectValued;
    objectValued.erase("--at");  // the table has its own start
    const ParsedArgs args = ParseArgs(
        argList,
        Union({objectValued, kSettingsValued, {"--start", "--step", "--unit", "--rows", "-o"}}),
        Union({kSettingsSwitches,
               {"--no-vel", "--no-altura", "--no-delta", "--no-r", "--no-elo", "--no-fase",
                "--cola"}}));
    if (!args.positional.empty())
        throw UsageError("argumento de más: " + args.positional.front() + "\n" + kUsage);

    vagaris::Session session;
    SetupSessionSettings(session, args);
    const vagaris::EphemerisLayout layout = LayoutOptions(args, session.settings);
    const vagaris::EphemerisRangeTexts range = RangeOptions(args);
    SetupSessionObject(session, args);
    const int index = session.SelectorIndex;
    const std::string name = index >= 0 && index < static_cast<int>(session.SelectorNames.size())
                                 ? session.SelectorNames[index]
                                 : session.Elements.Name;

    std::vector<std::string> lines;
    try {
        vagaris::BuildEphemerisTable(session, name, layout, range, lines);
    } catch (...) {
        // As on the page, the lines added before the failure are still shown.
        if (!args.has("-o")) PrintLines(lines);
        throw;
    }
    if (args.has("-o"))
        vagaris::WriteFileAtomically(args.value("-o"), vagaris::EncodeTextFile(lines));
    else
        PrintLines(lines);
    return 0;
}

}  // namespace

int RunEphemeris(const CliArgList& args) {
    return vagaris::cli::RunGuarded([&] { return Run(args); });
}
