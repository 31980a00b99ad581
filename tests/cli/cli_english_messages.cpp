// vagaris-cli's messages that name a file or carry a value, in both languages: Spanish word for
// word as before, English whole (no Spanish part left around the value) with the value kept.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/RunCli.h"
#include "support/TestHome.h"

namespace fs = std::filesystem;

namespace {

using vagaris::test::CliResult;
using vagaris::test::RunCli;

TEST(CliEnglishMessages, FileAndValueMessagesComeOutWholeInEitherLanguage) {
    const TestHome home;
    home.copySample("CometsCR.dat");
    const std::string comets = (home.dir / "CometsCR.dat").string();
    const std::string excerpt = std::string(VAGARIS_SAMPLES_DIR) + "/MPCORB.excerpt.dat";
    const std::string folder = (home.dir / "carpeta").string();
    fs::create_directories(folder);
    const std::string missing = (home.dir / "nada" / "tabla.txt").string();
    const std::string missingGif = (home.dir / "nada" / "orbita.gif").string();
    const std::string missingBmp = (home.dir / "nada" / "grafica.bmp").string();
    const struct {
        const char* what;
        const char* command;
        std::vector<std::string> args;
        std::string spanish, english;
    } cases[] = {
        {"MPCOrb.dat a folder",
         "search",
         {"ceres", "--mpcorb", folder},
         "MPCOrb.dat: '" + folder + "' es una carpeta",
         "MPCOrb.dat: '" + folder + "' is a folder"},
        {"no such minor planet",
         "search",
         {"zzqq", "--mpcorb", excerpt},
         "Asteroide ZZQQ no encontrado",
         "Minor planet ZZQQ not found"},
        {"table into a missing folder",
         "ephemeris",
         {"--catalog", comets, "--object", "1", "--start", "01/03/1997 06:00:00", "--rows", "0003",
          "-o", missing},
         "No se pudo escribir '" + missing + "': la carpeta no existe",
         "Could not write '" + missing + "': the folder does not exist"},
        {"GIF picture into a missing folder",
         "orbit",
         {"--catalog", comets, "--object", "0", "-o", missingGif},
         "No se pudo escribir '" + missingGif + "': la carpeta no existe",
         "Could not write '" + missingGif + "': the folder does not exist"},
        {"BMP picture into a missing folder",
         "chart",
         {"--catalog", comets, "--object", "0", "--at", "01/01/2011", "-o", missingBmp},
         "No se pudo escribir \"" + missingBmp + "\": la carpeta no existe",
         "Could not write \"" + missingBmp + "\": the folder does not exist"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const bool english : {false, true}) {
            std::vector<std::string> args = c.args;
            if (english) args.insert(args.end(), {"--lang", "en"});
            const CliResult r = RunCli(c.command, args);
            EXPECT_EQ(r.exitCode, 1) << r.err;
            std::string told;
            for (const auto& line : vagaris::test::SplitLf(r.err))
                if (line.rfind("QStandardPaths:", 0) != 0) told += line;
            EXPECT_EQ(told, english ? c.english : c.spanish);
        }
    }
}

}  // namespace
