// The help and the manual page of vagaris-cli tonight describe every column of the table the
// command prints, and the marks of old elements with the thresholds the table uses.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "outputs/tonight/TonightTexts.h"
#include "support/RunCli.h"
#include "support/TestHome.h"

namespace {

using vagaris::test::CliResult;
using vagaris::test::RunCli;
using vagaris::test::SplitLf;

// The words of the table's heading line (the line above the dashes), as the command prints it.
std::vector<std::string> TableHeadings(const std::string& output) {
    const std::vector<std::string> lines = SplitLf(output);
    for (std::size_t k = 1; k < lines.size(); ++k)
        if (lines[k].rfind("-----", 0) == 0) {
            std::istringstream words(lines[k - 1]);
            std::vector<std::string> out;
            for (std::string w; words >> w;) out.push_back(w);
            return out;
        }
    return {};
}

// The help's lines from "title" up to the next blank line.
std::string Section(const std::string& help, const std::string& title) {
    const auto from = help.find("\n" + title + "\n");
    if (from == std::string::npos) return {};
    const auto to = help.find("\n\n", from + 1);
    return help.substr(from, to == std::string::npos ? std::string::npos : to - from);
}

TEST(CliTonightHelp, DescribesEveryColumnAndTheMarksInBothLanguages) {
    TestHome home;
    for (const char* name : {"CometsCR.dat", "BrightMinorPlanetsCR.dat"}) home.copySample(name);
    const std::string old = std::to_string(int(vagaris::tonight::kOldElementsDays));
    const std::string veryOld = std::to_string(int(vagaris::tonight::kVeryOldElementsDays));
    const struct {
        const char* lang;
        const char* section;
        const char* mark;      // the sentence on the marks
        const char* moreThan;  // before the second threshold
    } languages[] = {{"es", "Salida:", "Un * tras EDAD o PERIH marca más de ", "** más de "},
                     {"en", "Output:", "A * after AGE or PERIH marks more than ", "** more than "}};
    for (const auto& l : languages) {
        SCOPED_TRACE(l.lang);
        // Two catalogs, so that every column is printed (the catalog's only with several).
        const CliResult table =
            RunCli("tonight", {"--lang", l.lang, "--catalog", "CometsCR.dat", "--catalog",
                               "BrightMinorPlanetsCR.dat", "--date", "21/11/2025", "--lat", "+40",
                               "--mag", "18", "--limit", "3"});
        ASSERT_EQ(table.exitCode, 0) << table.err;
        const std::vector<std::string> headings = TableHeadings(table.out);
        ASSERT_EQ(headings.size(), 18u) << table.out;

        const CliResult help = RunCli("tonight", {"--lang", l.lang, "--help"});
        ASSERT_EQ(help.exitCode, 0);
        const std::string output = Section(help.out, l.section);
        ASSERT_FALSE(output.empty()) << help.out;
        // Each heading starts a line of the section, in the language of the table.
        for (const std::string& h : headings)
            EXPECT_NE(output.find("\n  " + h + " "), std::string::npos) << h << "\n" << output;
        // The help's thresholds are the table's.
        std::string flat = output;
        for (char& c : flat)
            if (c == '\n') c = ' ';
        while (flat.find("  ") != std::string::npos) flat.replace(flat.find("  "), 2, " ");
        EXPECT_NE(flat.find(l.mark + old + " "), std::string::npos) << flat;
        EXPECT_NE(flat.find(l.moreThan + veryOld + " "), std::string::npos) << flat;

        // The manual page holds the same entries, each heading in bold, the quote escaped.
        const CliResult page = RunCli("--manual-page", {"--lang", l.lang});
        ASSERT_EQ(page.exitCode, 0) << page.err;
        for (std::string h : headings) {
            if (h[0] == '"') h = "\\(dq" + h.substr(1);
            EXPECT_NE(page.out.find("\n.TP\n.B " + h + "\n"), std::string::npos) << h;
        }
    }
}

}  // namespace
