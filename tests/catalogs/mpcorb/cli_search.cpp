// vagaris-cli search over the sample excerpt.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QJsonObject>
#include <string>

#include "support/JsonOutput.h"
#include "support/RunCli.h"
#include "support/TempFolder.h"
#include "support/TestHome.h"

namespace {

using Outcome = vagaris::test::CliResult;

Outcome RunCli(const std::string& args) {
    const TestHome home;  // no settings of the machine
    return vagaris::test::RunCliShell("search", args);
}

const std::string kExcerpt = "--mpcorb '" VAGARIS_SAMPLES_DIR "/MPCORB.excerpt.dat' ";

TEST(CliSearch, PrintsTheElementTextsOfTheFirstHit) {
    const Outcome o = RunCli(kExcerpt + "a1955");
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_EQ(o.out.substr(0, o.out.find('\n')), "Name: (101955) Bennu");
    const Outcome ceres = RunCli(kExcerpt + "1");
    EXPECT_EQ(ceres.out,
              "Name: (1) Ceres\nFecha: 2023 02 25.0\nM: 17.21569\na: 2.7671817\nq: \n"
              "e: 0.0788175\nw: 73.47045\nO: 80.26013\ni: 10.58634\nH: 3.33\nG: 0.15\n");
}

TEST(CliSearch, JsonKeysAreTheElementFieldNames) {
    const Outcome o = RunCli(kExcerpt + "--json '1999 hv1'");
    EXPECT_EQ(o.exitCode, 0) << o.err;
    const QJsonObject doc = vagaris::test::ParseJsonObject(o.out);
    EXPECT_EQ(doc.keys(),
              (QStringList{"Fecha", "G", "H", "M", "Name", "O", "a", "e", "i", "q", "w"}));
    EXPECT_EQ(doc["Name"].toString(), "1999 HV1");
    EXPECT_EQ(doc["q"].toString(), "");
    EXPECT_EQ(doc["G"].toString(), "0.15");
}

TEST(CliSearch, JsonWithAnInstantNamesTheCircumstancesToo) {
    const Outcome o = RunCli(kExcerpt + "ceres --json --at '01/03/2023 00:00:00'");
    EXPECT_EQ(o.exitCode, 0) << o.err;
    const QJsonObject doc = vagaris::test::ParseJsonObject(o.out);
    EXPECT_EQ(doc["Name"].toString(), "(1) Ceres");
    const QJsonObject circumstances = doc["circumstances"].toObject();
    EXPECT_EQ(circumstances["name"].toString(), "(1) Ceres");
    EXPECT_EQ(circumstances["captions"].toObject()["right_ascension"].toString(), "Ar:");
    EXPECT_EQ(circumstances["texts"].toObject()["right_ascension"].toString(), "12h 42m 42.34s");
    EXPECT_EQ(circumstances["texts"].toObject().keys(),
              circumstances["captions"].toObject().keys());
    vagaris::test::ExpectNoWidgetNameKeys(doc);
}

TEST(CliSearch, WithAnInstantAlsoPrintsTheCircumstances) {
    const Outcome o = RunCli(kExcerpt + "ceres --at '01/03/2023 00:00:00'");
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_NE(o.out.find("G: 0.15\n\n"), std::string::npos);
    EXPECT_NE(o.out.find("Ar: "), std::string::npos) << o.out;
}

TEST(CliSearch, FailuresAndUsage) {
    const Outcome miss = RunCli(kExcerpt + "nadie");
    EXPECT_EQ(miss.exitCode, 1);
    EXPECT_NE(miss.err.find("Asteroide NADIE no encontrado"), std::string::npos) << miss.err;
    EXPECT_TRUE(miss.out.empty());
    const Outcome noFile = RunCli("--mpcorb /nonexistent/MPCOrb.dat 1");
    EXPECT_EQ(noFile.exitCode, 1);
    EXPECT_NE(noFile.err.find("MPCOrb.dat no encontrado"), std::string::npos);
    // A pipe is not opened (the search would wait for a writer for ever) but named as such.
    const vagaris::test::TempFolder folder("vagaris-cli-fifo");
    const std::string fifo = (folder.dir / "MPCOrb.dat").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const Outcome pipe = RunCli("--mpcorb '" + fifo + "' 1");
    EXPECT_EQ(pipe.exitCode, 1);
    EXPECT_EQ(pipe.err, "MPCOrb.dat: '" + fifo + "' es una tubería (FIFO), no un archivo\n");
    EXPECT_EQ(RunCli(kExcerpt).exitCode, 2);
    EXPECT_EQ(RunCli(kExcerpt + "1 --bogus").exitCode, 2);
}

}  // namespace
