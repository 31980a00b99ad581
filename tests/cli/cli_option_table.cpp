// The option table against what the program does: for every subcommand and every option, the
// help the user reads says the range and the default its entry holds, a number is refused past
// either end of its range, a choice refuses a word outside its list, and a word no option
// takes is refused alike everywhere.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "catalogs/download/DownloadPlan.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "core/TextForms.h"
#include "core/Words.h"
#include "outputs/tonight/TonightRanking.h"
#include "support/RunCli.h"
#include "support/TestHome.h"

namespace {

using vagaris::cli::CommandSpec;
using vagaris::cli::kCommands;
using vagaris::cli::OptionKind;
using vagaris::cli::OptionSpec;
using vagaris::test::CliResult;
using vagaris::test::RunCli;
using vagaris::test::SplitLf;

// Arguments with which each subcommand gets past its other checks to the option tried (the
// option given after them wins where it is given twice).
const std::map<std::string, std::vector<std::string>> kBase = {
    {"circumstances", {"--catalog", "CometsCR.dat", "--object", "1"}},
    {"ephemeris", {"--catalog", "CometsCR.dat", "--object", "1", "--start", "01/03/1997"}},
    {"orbit", {"--catalog", "CometsCR.dat", "--object", "1", "-o", "x.gif", "--frames", "1"}},
    {"chart", {"--catalog", "CometsCR.dat", "--object", "1", "--csv"}},
    {"search", {"Ceres"}},
    {"download", {"comets"}},
    {"antitail", {"--catalog", "CometsCR.dat", "--year", "2024"}},
    {"tisserand", {"--catalog", "CometsCR.dat", "--object", "1"}},
    {"tonight", {"--catalog", "CometsCR.dat", "--date", "21/11/2025"}},
};

std::vector<std::string> With(std::vector<std::string> args, std::vector<std::string> more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// A number as the option's ends are written: its pattern, else the shortest decimal form.
std::string EndText(const OptionSpec& o, double v) {
    if (o.numberForm) return vagaris::FormatNumber(o.numberForm, v);
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, v, std::chars_format::fixed);
    return std::string(text, end.ptr);
}

std::string Squeezed(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == ' ' || c == '\n') {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += c;
        }
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// The option's paragraph in a subcommand's help, on one line.
std::string HelpOf(const std::string& help, const OptionSpec& o, const std::string& valueName) {
    const std::string head = "\n  " + std::string(o.name) + (o.value ? " " + valueName : "") + "\n";
    const auto at = help.find(head);
    if (at == std::string::npos) return {};
    const auto start = at + head.size();
    auto end = help.find("\n  -", start);
    if (end == std::string::npos) end = help.find("\n\n", start);
    return Squeezed(help.substr(start, end - start));
}

std::vector<std::string> Choices(const OptionSpec& o) {
    std::vector<std::string> words{""};
    for (const char* c = o.choices; *c; ++c) {
        if (*c == '|')
            words.emplace_back();
        else
            words.back() += *c;
    }
    return words;
}

template <typename Each>
void ForEveryOption(Each each) {
    for (const CommandSpec* command : kCommands)
        for (const auto& group : command->options)
            for (const OptionSpec& o : group) each(*command, o);
}

class CliOptionTable : public ::testing::Test {
protected:
    void SetUp() override { home_.copySample("CometsCR.dat"); }
    CliResult Run(const CommandSpec& command, const std::vector<std::string>& more) {
        return RunCli(command.name, With(kBase.at(command.name), more));
    }
    TestHome home_;
};

TEST_F(CliOptionTable, EveryOptionsHelpSaysTheRangeAndTheDefaultOfItsSpec) {
    std::map<std::string, std::string> helps;
    for (const CommandSpec* command : kCommands) {
        const CliResult r = RunCli(command->name, {"--help"});
        ASSERT_EQ(r.exitCode, 0) << command->name;
        helps[command->name] = r.out;
    }
    ForEveryOption([&](const CommandSpec& command, const OptionSpec& o) {
        const std::string what = std::string(command.name) + " " + o.name;
        const std::string prose = o.help;
        // The range and the default are said from the option's fields, never in the prose.
        EXPECT_EQ(prose.find("%r") != std::string::npos, o.rangeNote != nullptr) << what;
        EXPECT_EQ(prose.find("%d") != std::string::npos, o.defaultNote != nullptr) << what;
        EXPECT_EQ(prose.find("por defecto"), std::string::npos) << what;
        EXPECT_EQ(prose.find("Obligatoria"), std::string::npos) << what;
        EXPECT_EQ(o.value == nullptr, o.kind == OptionKind::Flag) << what;
        EXPECT_EQ(o.choices != nullptr, o.kind == OptionKind::Choice) << what;
        if (o.rangeNote) {
            EXPECT_TRUE(o.ranged()) << what;
        }

        const std::string shown = HelpOf(helps[command.name], o, o.value ? o.value : "");
        ASSERT_FALSE(shown.empty()) << what;
        for (const char* marker : {"%r", "%d", "%c", "%1"})
            EXPECT_EQ(shown.find(marker), std::string::npos) << what << ": " << shown;
        if (o.rangeNote) {
            const std::string range =
                vagaris::FillPattern(o.rangeNote, {EndText(o, o.min), EndText(o, o.max)});
            EXPECT_NE(shown.find(range), std::string::npos) << what << ": " << shown;
        }
        if (o.defaultNote) {
            const std::string note =
                vagaris::FillPattern(o.defaultNote, {o.fallback ? o.fallback : ""});
            EXPECT_NE(shown.find("(" + note), std::string::npos) << what << ": " << shown;
        }
        if (o.required) {
            EXPECT_EQ(shown.substr(shown.size() - 13), " Obligatoria.") << what;
        }
    });
}

// In English too the pieces are put in place: no marker is left in any help or in the manual
// page, and the required options close with the English word.
TEST_F(CliOptionTable, TheEnglishHelpHasEveryPieceInPlace) {
    for (const CommandSpec* command : kCommands) {
        const CliResult r = RunCli(command->name, {"--lang", "en", "--help"});
        ASSERT_EQ(r.exitCode, 0) << command->name;
        for (const char* marker : {"%r", "%d", "%c", "%1", "%2", "por defecto", "Obligatoria"})
            EXPECT_EQ(r.out.find(marker), std::string::npos) << command->name << ": " << marker;
    }
    const CliResult page = vagaris::test::RunCliShell("--lang en --manual-page", "");
    ASSERT_EQ(page.exitCode, 0);
    for (const char* marker : {"%r", "%d", "%c", "por defecto", "Obligatoria"})
        EXPECT_EQ(page.out.find(marker), std::string::npos) << marker;
    EXPECT_NE(page.out.find("in the MPC format. Required.\n"), std::string::npos);
}

TEST_F(CliOptionTable, EveryNumberIsRefusedPastEitherEndOfItsRange) {
    ForEveryOption([&](const CommandSpec& command, const OptionSpec& o) {
        if (!o.ranged() && !o.aboveMin) return;
        std::vector<std::string> outside;
        if (o.aboveMin) outside.push_back(EndText(o, o.min));
        if (std::isfinite(o.min) && !o.aboveMin) outside.push_back(EndText(o, o.min - 1));
        if (std::isfinite(o.max)) outside.push_back(EndText(o, o.max + 1));
        for (const std::string& value : outside) {
            const std::string what = std::string(command.name) + " " + o.name + " " + value;
            const CliResult r = Run(command, {o.name, value});
            EXPECT_EQ(r.exitCode, 2) << what << "\n" << r.err;
            EXPECT_EQ(r.out, "") << what;
            ASSERT_EQ(SplitLf(r.err).size(), 1u) << what << "\n" << r.err;
            const std::string expected =
                o.aboveMin ? std::string(o.name) + " debe ser mayor que " + EndText(o, o.min) +
                                 ": '" + value + "'\n"
                           : std::string(o.name) + " fuera de rango (" + EndText(o, o.min) + " a " +
                                 EndText(o, o.max) + "): '" + value + "'\n";
            EXPECT_EQ(r.err, expected) << what;
        }
    });
}

TEST_F(CliOptionTable, EveryChoiceRefusesAWordOutsideItsList) {
    ForEveryOption([&](const CommandSpec& command, const OptionSpec& o) {
        if (o.kind != OptionKind::Choice) return;
        const std::vector<std::string> words = Choices(o);
        std::string list;
        for (std::size_t k = 0; k < words.size(); ++k)
            list += (k == 0 ? "" : k + 1 == words.size() ? " o " : ", ") + words[k];
        const std::string what = std::string(command.name) + " " + o.name;
        const CliResult r = Run(command, {o.name, "bogus"});
        EXPECT_EQ(r.exitCode, 2) << what;
        EXPECT_EQ(r.err, std::string(o.name) + " espera " + list + ": 'bogus'\n") << what;
        EXPECT_EQ(r.out, "") << what;
    });
}

// A default the option table says for a value some library also holds is that value.
TEST(CliOptionDefaults, AgreeWithTheValuesTheyDescribe) {
    std::map<std::string, const OptionSpec*> download, tonight;
    for (const auto& group : vagaris::cli::kDownloadCommand.options)
        for (const OptionSpec& o : group) download[o.name] = &o;
    for (const auto& group : vagaris::cli::kTonightCommand.options)
        for (const OptionSpec& o : group) tonight[o.name] = &o;
    EXPECT_EQ(vagaris::ParseInt(download.at("--timeout")->fallback),
              vagaris::kDefaultTransferSeconds);
    EXPECT_EQ(vagaris::ParseInt(download.at("--idle-timeout")->fallback),
              vagaris::kDefaultIdleSeconds);
    const vagaris::tonight::Limits limits;
    EXPECT_EQ(vagaris::ParseFloat(tonight.at("--mag")->fallback), limits.magnitude);
    EXPECT_EQ(vagaris::ParseFloat(tonight.at("--min-alt")->fallback), limits.minAltitudeDeg);
    EXPECT_EQ(vagaris::ParseInt(tonight.at("--min-time")->fallback), limits.minMinutes);
    EXPECT_EQ(vagaris::ParseFloat(tonight.at("--moon-sep")->fallback), limits.moonSeparationDeg);
    EXPECT_STREQ(tonight.at("--sort")->fallback,
                 vagaris::tonight::SortKeyText(vagaris::tonight::Request{}.sort));
}

TEST_F(CliOptionTable, AWordNoOptionTakesIsRefusedAlikeEverywhere) {
    for (const CommandSpec* command : kCommands) {
        if (command->arguments) continue;  // search and download take words
        const CliResult r = Run(*command, {"stray"});
        EXPECT_EQ(r.exitCode, 2) << command->name;
        EXPECT_EQ(r.err, "argumento inesperado: stray\n") << command->name;
        const CliResult english =
            RunCli(command->name, With(kBase.at(command->name), {"--lang", "en", "stray"}));
        EXPECT_EQ(english.err, "unexpected argument: stray\n") << command->name;
    }
}

// --lat is a real number wherever it is taken: the fraction reaches the computation, and a
// whole number of degrees, however written, gives what it gave before.
TEST_F(CliOptionTable, ARealLatitudeReachesTheComputation) {
    auto maxAltitude = [&](const std::string& lat) {
        const CliResult r =
            RunCli("circumstances", {"--catalog", "CometsCR.dat", "--object", "1", "--at",
                                     "01/04/1997 20:00:00", "--mode", "E", "--lat", lat});
        EXPECT_EQ(r.exitCode, 0) << lat << ": " << r.err;
        for (const std::string& line : SplitLf(r.out))
            if (line.rfind("MaxAltitude ", 0) == 0) return vagaris::ParseFloat(line.substr(12));
        ADD_FAILURE() << r.out;
        return 0.0;
    };
    const double at40 = maxAltitude("40"), at41 = maxAltitude("41"), between = maxAltitude("40.5");
    EXPECT_LT(at40, between);
    EXPECT_LT(between, at41);
    EXPECT_EQ(maxAltitude("+40.0"), at40);

    const std::vector<std::string> table = {"--catalog", "CometsCR.dat", "--object", "1",
                                            "--start",   "01/03/1997",   "--rows",   "2"};
    const CliResult whole = RunCli("ephemeris", With(table, {"--lat", "-5"}));
    EXPECT_NE(whole.out.find(" Lat -05\n"), std::string::npos) << whole.out;
    const CliResult real = RunCli("ephemeris", With(table, {"--lat", "-5.25"}));
    EXPECT_NE(real.out.find(" Lat -05.25\n"), std::string::npos) << real.out;
    EXPECT_NE(real.out, whole.out);
}

}  // namespace
