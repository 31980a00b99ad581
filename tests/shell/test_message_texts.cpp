// The messages that name a path or carry a value, each one catalogue entry: in Spanish they read
// exactly as they always did, and through the English catalogue they come out whole in English,
// the value in its place. Each message is made by the code that tells it, from a real fault.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "catalogs/CatalogPlausibility.h"
#include "catalogs/mpcorb/MpcOrbSearch.h"
#include "core/AtomicFile.h"
#include "core/Errors.h"
#include "core/Message.h"
#include "core/ReadableFile.h"
#include "core/TextFile.h"
#include "outputs/charts/ChartControls.h"
#include "settings/SettingsFile.h"
#include "support/SampleLines.h"
#include "support/TempFolder.h"
#include "support/TranslationFile.h"

namespace fs = std::filesystem;
using namespace vagaris;

namespace {

// The pure code's texts in English, from the committed translation file.
std::string EnglishWords(const char* spanish) {
    static const std::map<std::string, std::string> english = [] {
        std::map<std::string, std::string> out;
        for (const TsEntry& e : ReadTsFile(VAGARIS_SOURCE_DIR "/translations/vagaris_en.ts"))
            if (e.context == "CoreText") out[e.source] = e.translation;
        return out;
    }();
    const auto found = english.find(spanish);
    return found == english.end() ? std::string(spanish) : found->second;
}

// The message `run` throws.
Message Thrown(const std::function<void()>& run) {
    try {
        run();
    } catch (const EMessage& e) {
        return e.message();
    }
    ADD_FAILURE() << "nothing thrown";
    return Message("");
}

std::string Repeat(const std::string& line, int times) {
    std::string out;
    for (int k = 0; k < times; ++k) out += line + "\r\n";
    return out;
}

TEST(MessageTexts, SpanishAsBeforeEnglishWholeWithTheValue) {
    const test::TempFolder folder("vagaris-messages");
    const std::string dir = (folder.dir / "carpeta").string();
    fs::create_directories(dir);
    const std::string fifo = (folder.dir / "MPCOrb.dat").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string missing = (folder.dir / "nada" / "x.txt").string();
    const std::string big = (folder.dir / "big.dat").string();
    std::ofstream(big, std::ios::binary) << std::string((1 << 20) + 1, 'x');
    const std::string plain = (folder.dir / "plain.txt").string();
    std::ofstream(plain) << "x\n";
    const std::string underFile = plain + "/sub";
    ::setenv("VAGARIS_HOME", underFile.c_str(), 1);
    const Message noFolder = Thrown([] { (void)ResolveProgramDir(""); });
    ::unsetenv("VAGARIS_HOME");

    const struct {
        const char* what;
        std::optional<Message> message;
        std::string spanish, english;
    } cases[] = {
        {"search without a hit", AsteroidNotFoundMessage("2004 XX"),
         "Asteroide 2004 XX no encontrado", "Minor planet 2004 XX not found"},
        {"MPCOrb.dat a folder", MpcOrbFileProblem(dir), "MPCOrb.dat: '" + dir + "' es una carpeta",
         "MPCOrb.dat: '" + dir + "' is a folder"},
        {"MPCOrb.dat a pipe", MpcOrbFileProblem(fifo),
         "MPCOrb.dat: '" + fifo + "' es una tubería (FIFO), no un archivo",
         "MPCOrb.dat: '" + fifo + "' is a pipe (FIFO), not a file"},
        {"MPCOrb.dat a device", MpcOrbFileProblem("/dev/null"),
         "MPCOrb.dat: '/dev/null' es un dispositivo, no un archivo",
         "MPCOrb.dat: '/dev/null' is a device, not a file"},
        {"comets downloaded as minor planets",
         CatalogPlausibilityProblem(Repeat(test::kHaleBoppLine, 10), 'A'),
         "el archivo no es un catálogo de asteroides (solo 0 de 10 líneas se leen)",
         "the file is not a catalog of minor planets (only 0 of 10 lines read)"},
        {"minor planets downloaded as comets",
         CatalogPlausibilityProblem(Repeat(test::kCeresLine, 4), 'C'),
         "el archivo no es un catálogo de cometas (solo 0 de 4 líneas se leen)",
         "the file is not a catalog of comets (only 0 of 4 lines read)"},
        {"write into a missing folder", Thrown([&] { WriteFileAtomically(missing, "x"); }),
         "No se pudo escribir '" + missing + "': la carpeta no existe",
         "Could not write '" + missing + "': the folder does not exist"},
        {"write over a folder", Thrown([&] { WriteFileAtomically(dir, "x"); }),
         "No se pudo escribir '" + dir + "': es una carpeta",
         "Could not write '" + dir + "': it is a folder"},
        {"write over a device", Thrown([] { WriteFileAtomically("/dev/null", "x"); }),
         "No se pudo escribir '/dev/null': no es un archivo normal",
         "Could not write '/dev/null': not a regular file"},
        {"an unnamed system error", WriteFailure(EXDEV),
         "error del sistema (código " + std::to_string(EXDEV) + ")",
         "system error (code " + std::to_string(EXDEV) + ")"},
        {"read a missing file", Thrown([&] { ReadableFile{missing}; }),
         "No se puede leer " + missing, "Cannot read " + missing},
        {"read a file too large", Thrown([&] { (void)ReadableFile(big).readAll(1 << 20); }),
         "No se puede leer " + big + ": el archivo pasa de 1 MB",
         "Cannot read " + big + ": the file exceeds 1 MB"},
        {"a date that is none", Thrown([] { ThrowInvalidDate("31/02/2009"); }),
         "'31/02/2009' is not a valid date", "'31/02/2009' is not a valid date"},
        {"program folder under a file", noFolder, "No se pudo crear la carpeta '" + underFile + "'",
         "Could not create the folder '" + underFile + "'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(c.message.has_value());
        EXPECT_EQ(c.message->text(), c.spanish);
        EXPECT_EQ(c.message->text(EnglishWords), c.english);
    }
}

// Texts a caller composes from a pure layout: the chart's pop-up item.
TEST(MessageTexts, ThePopUpDateCaptionTranslatesWhole) {
    EXPECT_EQ(ChartPopupCaption("05/03/2011 12:00"), "Fijar Fecha: 05/03/2011");
    EXPECT_EQ(ChartPopupCaption("05/03/2011 12:00", EnglishWords), "Set date: 05/03/2011");
}

// An error reaches the user through ErrorText: a carried message translated whole, any other
// error's text looked up as it is.
TEST(MessageTexts, ErrorTextTranslatesCarriedMessagesAndFixedTexts) {
    const EMessage carried(AsteroidNotFoundMessage("Ceres"));
    EXPECT_STREQ(carried.what(), "Asteroide Ceres no encontrado");
    EXPECT_EQ(ErrorText(carried), "Asteroide Ceres no encontrado");
    EXPECT_EQ(ErrorText(carried, EnglishWords), "Minor planet Ceres not found");
    const std::runtime_error fixed(kMpcOrbNotFoundMessage);
    EXPECT_EQ(ErrorText(fixed, EnglishWords), "MPCOrb.dat not found");
    const std::runtime_error unknown("algo que no está en el catálogo");
    EXPECT_EQ(ErrorText(unknown, EnglishWords), "algo que no está en el catálogo");
}

// A value is put in once: a "%2" inside a path is never taken for a placeholder, and a
// translation may put the values in another order.
TEST(MessageTexts, ValuesGoInOnceWhateverTheyHold) {
    const Message m("No se pudo escribir '%1': %2", {"/tmp/100%2"}, {Message("disco lleno")});
    EXPECT_EQ(m.text(), "No se pudo escribir '/tmp/100%2': disco lleno");
    EXPECT_EQ(m.text(EnglishWords), "Could not write '/tmp/100%2': disk full");
    const auto reversed = [](const char* spanish) {
        return std::string(std::strcmp(spanish, "disco lleno") == 0 ? "full" : "%2 <- %1");
    };
    EXPECT_EQ(m.text(reversed), "full <- /tmp/100%2");
}

}  // namespace
