// Text files in Windows-1252 with CR LF, written atomically.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "core/TextFile.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

using namespace vagaris;
namespace fs = std::filesystem;

namespace {

using vagaris::test::ReadBytes;

// A fresh folder for each test.
class TempDir : public ::testing::Test {
protected:
    std::size_t EntryCount() const {
        return std::distance(fs::directory_iterator(dir_), fs::directory_iterator());
    }
    const vagaris::test::TempFolder folder_{"vagaris-textfile"};
    const fs::path dir_ = folder_.dir;
};

}  // namespace

TEST(EncodeTextFile, Windows1252WithCrLfAfterEveryLine) {
    EXPECT_EQ(EncodeTextFile({}), "");
    EXPECT_EQ(EncodeTextFile({"", ""}), "\r\n\r\n");
    EXPECT_EQ(EncodeTextFile({"Efemérides", "año"}), "Efem\xE9rides\r\na\xF1o\r\n");
    // Characters of the 0x80-0x9F block and the degree and arcsecond signs.
    EXPECT_EQ(EncodeTextFile({"€ – “x” 12°"}), "\x80 \x96 \x93x\x94 12\xB0\r\n");
    // What the code page cannot hold, and broken UTF-8, become "?".
    EXPECT_EQ(EncodeTextFile({"日本"}), "??\r\n");
    EXPECT_EQ(EncodeTextFile({"a\xFF"
                              "b"}),
              "a?b\r\n");
    EXPECT_EQ(EncodeTextFile({"cut \xC3"}), "cut ?\r\n");
}

TEST_F(TempDir, WriteCreatesAndReplaces) {
    const fs::path target = dir_ / "tabla.txt";
    WriteFileAtomically(target.string(), "first\r\n");
    EXPECT_EQ(ReadBytes(target), "first\r\n");
    WriteFileAtomically(target.string(), "2");
    EXPECT_EQ(ReadBytes(target), "2");
    EXPECT_EQ(EntryCount(), 1u);  // no temporary file left behind
}

TEST_F(TempDir, AFailedWriteLeavesNothingHalfWritten) {
    EXPECT_THROW(WriteFileAtomically((dir_ / "missing" / "x.txt").string(), "data"),
                 std::runtime_error);
    // The target cannot be replaced (it is a folder that holds a file): the folder stays
    // as it was and no temporary file remains.
    const fs::path target = dir_ / "busy";
    fs::create_directories(target);
    std::ofstream(target / "keep") << "k";
    EXPECT_THROW(WriteFileAtomically(target.string(), "data"), std::runtime_error);
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(ReadBytes(target / "keep"), "k");
    EXPECT_EQ(EntryCount(), 1u);
}
