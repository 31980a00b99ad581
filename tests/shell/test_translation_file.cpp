// translations/vagaris_en.ts against the sources: lupdate, run on a copy of the tree, must
// find exactly the entries the file holds, each one translated. A text added to the window
// without its English, or one left behind after its code went away, fails here.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "support/FileBytes.h"
#include "support/TempFolder.h"
#include "support/TranslationFile.h"

namespace fs = std::filesystem;

namespace {

std::set<std::pair<std::string, std::string>> Keys(const std::vector<TsEntry>& entries) {
    std::set<std::pair<std::string, std::string>> out;
    for (const TsEntry& e : entries) out.insert({e.context, e.source});
    return out;
}

TEST(TranslationFile, EveryEntryTranslated) {
    const std::string path = VAGARIS_SOURCE_DIR "/translations/vagaris_en.ts";
    const auto entries = ReadTsFile(path);
    // The reader misses no message of the file.
    const std::string text = vagaris::test::ReadBytes(path);
    std::size_t messages = 0;
    for (std::size_t at = text.find("<message>"); at != std::string::npos;
         at = text.find("<message>", at + 1))
        ++messages;
    ASSERT_GT(messages, 0u);
    EXPECT_EQ(entries.size(), messages);
    for (const TsEntry& e : entries) {
        EXPECT_FALSE(e.unfinished) << e.context << ": " << e.source;
        EXPECT_FALSE(e.translation.empty()) << e.context << ": " << e.source;
    }
}

TEST(TranslationFile, LupdateFindsExactlyTheEntriesOfTheFile) {
    vagaris::test::TempFolder tree("vagaris-lupdate");
    const fs::path source(VAGARIS_SOURCE_DIR);
    for (const char* folder : {"core", "shell", "toolkit", "pictures", "settings", "outputs",
                               "orbitview", "catalogs", "cli", "gif", "translations", "scripts"})
        fs::copy(source / folder, tree.dir / folder, fs::copy_options::recursive);
    const std::string command = std::string("LUPDATE='") + VAGARIS_LUPDATE + "' bash '" +
                                (tree.dir / "scripts/update_translations.sh").string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const auto committed = ReadTsFile(VAGARIS_SOURCE_DIR "/translations/vagaris_en.ts");
    const auto updated = ReadTsFile((tree.dir / "translations/vagaris_en.ts").string());
    const auto before = Keys(committed), after = Keys(updated);
    for (const auto& [context, text] : after)
        EXPECT_TRUE(before.count({context, text}))
            << "new text to translate: " << context << ": " << text
            << " (run scripts/update_translations.sh)";
    for (const auto& [context, text] : before)
        EXPECT_TRUE(after.count({context, text}))
            << "text no longer in the sources: " << context << ": " << text;
    for (const TsEntry& e : updated)
        EXPECT_FALSE(e.unfinished) << "unfinished: " << e.context << ": " << e.source;
}

}  // namespace
