#pragma once
// Folders that fail writes the way a user's disk does, for the tests that inject the faults
// instead of trusting the code: a full disk (a small tmpfs filled up), a read-only folder (a
// tmpfs remounted read-only: root, who runs CI, ignores permission bits, not a read-only
// mount), a path that is a folder, and a folder that vanishes between the choice of the path
// and the write. Mounting needs the right to mount; without it the case reports why, and the
// test skips it with GTEST_SKIP.
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include "support/FileBytes.h"

namespace vagaris::test {

enum class WriteFault { DiskFull, ReadOnlyFolder, PathIsFolder, FolderVanishes };

inline const std::vector<WriteFault>& AllWriteFaults() {
    static const std::vector<WriteFault> all = {WriteFault::DiskFull, WriteFault::ReadOnlyFolder,
                                                WriteFault::PathIsFolder,
                                                WriteFault::FolderVanishes};
    return all;
}

inline const char* FaultName(WriteFault f) {
    switch (f) {
        case WriteFault::DiskFull: return "disk full";
        case WriteFault::ReadOnlyFolder: return "read-only folder";
        case WriteFault::PathIsFolder: return "path is a folder";
        case WriteFault::FolderVanishes: return "folder vanished";
    }
    return "?";
}

// The reason the user must read, in the program's words.
inline const char* FaultReason(WriteFault f) {
    switch (f) {
        case WriteFault::DiskFull: return "disco lleno";
        case WriteFault::ReadOnlyFolder: return "la carpeta es de solo lectura";
        case WriteFault::PathIsFolder: return "es una carpeta";
        case WriteFault::FolderVanishes: return "la carpeta no existe";
    }
    return "?";
}

// The names in a folder, hidden ones included.
inline std::set<std::string> FolderEntries(const std::filesystem::path& dir) {
    std::set<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        names.insert(it->path().filename().string());
    return names;
}

// `dir` (created here, empty) made to fail the replacement of `dir/fileName`. The previous
// file holds `previous` until arm() turns the fault on; unharmed() then checks that the
// failed write left everything as it was and no temporary file behind.
class FaultyFolder {
public:
    FaultyFolder(WriteFault fault, std::filesystem::path dir, std::string fileName,
                 std::string previous)
        : fault_(fault),
          dir_(std::move(dir)),
          name_(std::move(fileName)),
          previous_(std::move(previous)) {
        std::filesystem::create_directories(dir_);
        if (fault_ == WriteFault::DiskFull || fault_ == WriteFault::ReadOnlyFolder) {
            // 64 KiB: room for the previous file, the filler and nothing more.
            if (::mount("tmpfs", dir_.c_str(), "tmpfs", 0, "size=64k,mode=0755") != 0) {
                skipReason_ = std::string("cannot mount a tmpfs here: ") + std::strerror(errno);
                return;
            }
            mounted_ = true;
        }
        if (fault_ != WriteFault::PathIsFolder)
            std::ofstream(path(), std::ios::binary) << previous_;
    }
    ~FaultyFolder() {
        if (mounted_) ::umount2(dir_.c_str(), MNT_DETACH);
    }
    FaultyFolder(const FaultyFolder&) = delete;
    FaultyFolder& operator=(const FaultyFolder&) = delete;

    // Empty when the fault can be made here; otherwise why not (for GTEST_SKIP).
    const std::string& skipReason() const { return skipReason_; }
    std::filesystem::path path() const { return dir_ / name_; }
    const std::filesystem::path& dir() const { return dir_; }
    const char* reason() const { return FaultReason(fault_); }

    // Turns the fault on: fills the disk, remounts read-only, puts a folder in the file's
    // place, or removes the folder.
    void arm() {
        namespace fs = std::filesystem;
        switch (fault_) {
            case WriteFault::DiskFull: {
                std::ofstream filler(dir_ / kFiller, std::ios::binary);
                const std::string block(4096, 'f');
                while (filler.write(block.data(), std::streamsize(block.size())) &&
                       filler.flush()) {
                }
                break;
            }
            case WriteFault::ReadOnlyFolder:
                ::mount(nullptr, dir_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, "size=64k");
                break;
            case WriteFault::PathIsFolder:
                fs::create_directories(path());
                std::ofstream(path() / "keep") << "k";
                break;
            case WriteFault::FolderVanishes: fs::remove_all(dir_); break;
        }
    }

    // The previous file whole (or the folder in its place as it was), nothing else added.
    ::testing::AssertionResult unharmed() const {
        namespace fs = std::filesystem;
        if (fault_ == WriteFault::FolderVanishes)
            return fs::exists(dir_) ? ::testing::AssertionFailure() << dir_ << " came back"
                                    : ::testing::AssertionSuccess();
        std::set<std::string> expected = {name_};
        if (fault_ == WriteFault::DiskFull) expected.insert(kFiller);
        const auto found = FolderEntries(dir_);
        if (found != expected) {
            auto failure = ::testing::AssertionFailure() << "the folder holds:";
            for (const auto& n : found) failure << " '" << n << "'";
            return failure;
        }
        if (fault_ == WriteFault::PathIsFolder) {
            if (!fs::is_directory(path()) || FolderEntries(path()) != std::set<std::string>{"keep"})
                return ::testing::AssertionFailure() << "the folder in the file's place changed";
            return ::testing::AssertionSuccess();
        }
        if (ReadBytes(path()) != previous_)
            return ::testing::AssertionFailure() << "the previous file changed";
        return ::testing::AssertionSuccess();
    }

private:
    static constexpr const char* kFiller = "filler";
    WriteFault fault_;
    std::filesystem::path dir_;
    std::string name_, previous_, skipReason_;
    bool mounted_ = false;
};

}  // namespace vagaris::test
