// Reading files that are not what their name promises: a FIFO or a device where a catalog or
// MPCOrb.dat is expected (which used to block for ever or eat the memory), a folder, a file
// too large, a file cut or grown after it was opened; and the one line splitter on its three
// line ends.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "catalogs/LineFormats.h"
#include "catalogs/mpcorb/ParallelLines.h"
#include "core/ReadableFile.h"
#include "support/TempFolder.h"

namespace {

using namespace vagaris;
namespace fs = std::filesystem;

// Opening a FIFO without O_NONBLOCK waits for a writer for ever: the alarm ends such a
// regression in a minute instead of hanging the suite (a guard, not a timed assertion).
class FileReading : public ::testing::Test {
protected:
    void SetUp() override { ::alarm(60); }
    void TearDown() override { ::alarm(0); }
    std::string file(const std::string& name, const std::string& bytes) const {
        const std::string path = (folder_.dir / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::string at(const std::string& name) const { return (folder_.dir / name).string(); }
    vagaris::test::TempFolder folder_{"vagaris-reading"};
};

// What each reader throws for `path`: the failure and the message.
struct Thrown {
    ReadFailure failure = ReadFailure::Unreadable;
    std::string message;
    bool thrown = false;
};
template <class Read>
Thrown ThrownBy(Read read) {
    Thrown t;
    try {
        read();
    } catch (const EReadError& e) {
        t = {e.failure(), e.what(), true};
    }
    return t;
}

TEST_F(FileReading, AnythingButARegularFileIsRefusedAtOnceNamingIt) {
    const std::string fifo = at("CriticalListCR.dat");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string zero = at("zero.dat");
    fs::create_symlink("/dev/zero", zero);
    const std::string toFifo = at("to-fifo.dat");
    fs::create_symlink(fifo, toFifo);
    const std::string dir = at("carpeta");
    fs::create_directory(dir);
    const std::string missing = at("NoExiste.dat");
    const std::string dangling = at("dangling.dat");
    fs::create_symlink(missing, dangling);
    const struct {
        std::string path;
        ReadFailure failure;
        std::string message;
    } cases[] = {
        {fifo, ReadFailure::NotRegular, "No se puede leer " + fifo + ": no es un archivo normal"},
        {zero, ReadFailure::NotRegular, "No se puede leer " + zero + ": no es un archivo normal"},
        {toFifo, ReadFailure::NotRegular,
         "No se puede leer " + toFifo + ": no es un archivo normal"},
        {dir, ReadFailure::NotRegular, "No se puede leer " + dir + ": no es un archivo normal"},
        {missing, ReadFailure::Unreadable, "No se puede leer " + missing},
        {dangling, ReadFailure::Unreadable, "No se puede leer " + dangling},
    };
    for (const auto& c : cases) {
        const Thrown catalog = ThrownBy([&] { ReadCatalogLines(c.path); });
        const Thrown stream = ThrownBy(
            [&] { ReadLinesInParallel(c.path, {}, [](const LineBlock&) { return true; }); });
        for (const Thrown& t : {catalog, stream}) {
            ASSERT_TRUE(t.thrown) << c.path;
            EXPECT_EQ(t.failure, c.failure) << c.path;
            EXPECT_EQ(t.message, c.message);
        }
    }
}

// A catalog is read whole, so its size is bounded: 64 MB, far above any catalog, checked
// before anything is read (a sparse file of any size costs nothing).
TEST_F(FileReading, ACatalogLargerThanTheBoundIsRefusedUnread) {
    const std::string sparse = at("huge.dat");
    std::ofstream(sparse, std::ios::binary).close();
    fs::resize_file(sparse, std::uint64_t{16} << 30);  // a hole: no disk used
    const Thrown tooLarge = ThrownBy([&] { ReadCatalogLines(sparse); });
    EXPECT_EQ(tooLarge.failure, ReadFailure::TooLarge);
    EXPECT_EQ(tooLarge.message, "No se puede leer " + sparse + ": el archivo pasa de 64 MB");
    fs::resize_file(sparse, kCatalogMaxBytes + 1);
    EXPECT_EQ(ThrownBy([&] { ReadCatalogLines(sparse); }).failure, ReadFailure::TooLarge);
}

// Cut after the open (a download into the same path, a user replacing the file in place):
// the read says so instead of returning part of the file. Grown: read as it was at the open.
TEST_F(FileReading, AFileCutAfterTheOpenIsToldAndAGrownOneReadAsItWas) {
    const std::string bytes(100000, 'a');
    const std::string path = file("changing.dat", bytes);
    {
        const ReadableFile opened(path);
        ASSERT_EQ(::truncate(path.c_str(), 4000), 0);
        const Thrown cut = ThrownBy([&] { opened.readAll(kCatalogMaxBytes); });
        EXPECT_EQ(cut.failure, ReadFailure::Changed);
        EXPECT_EQ(cut.message,
                  "No se puede leer " + path + ": el archivo cambió durante la lectura");
    }
    std::ofstream(path, std::ios::binary) << bytes;
    const ReadableFile opened(path);
    std::ofstream(path, std::ios::binary | std::ios::app) << "more lines\n";
    EXPECT_EQ(opened.readAll(kCatalogMaxBytes), bytes);
}

// CR LF, LF and CR alone end a line; a CR LF is one end; a final end adds no empty line.
TEST(LineEnds, TheSplitterTakesEveryLineEndAlike) {
    const struct {
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\r\r\nb", {"a", "", "b"}},  // a CR alone, then a CR LF
        {"a\n\rb", {"a", "", "b"}},    // LF then CR: two ends
        {"a\r", {"a"}},
        {"\r\n\r\n", {"", ""}},
        {"", {}},
        {std::string(40, 'x') + "\r" + std::string(30, 'y'),
         {std::string(40, 'x'), std::string(30, 'y')}},  // past the 16-byte steps
    };
    for (const auto& c : cases) EXPECT_EQ(SplitLines(c.bytes), c.lines) << c.bytes;
}

}  // namespace
