#pragma once
// The one way the program replaces a file: the new contents go to a temporary file in the
// target's own folder, which is renamed over the target only when complete. A failure at any
// point leaves the previous file whole and removes the temporary file; a process killed
// half-way leaves at most one temporary file, named so that the next start recognises and
// removes it. POSIX only, no Qt.
#include <cstddef>
#include <stdexcept>
#include <string>

#include "core/Message.h"

namespace vagaris {

// The message of a file that could not be written: %1 the path, %2 the reason.
inline constexpr const char* kCannotWritePattern = "No se pudo escribir '%1': %2";

// A file that could not be written. what() is the line the user reads:
// "No se pudo escribir '<path>': <reason>", the reason in Spanish (disco lleno, ...); the
// message translates whole, its reason with it.
class EWriteError : public EMessage {
public:
    EWriteError(const std::string& path, const Message& reason);
    const std::string& path() const { return path_; }
    // The reason in Spanish, and as its catalogue entry.
    const std::string& reason() const { return reason_; }
    const Message& reasonMessage() const { return message().texts().front(); }

private:
    std::string path_, reason_;
};

// What an errno value of a failed write means to the user ("disco lleno", "sin permiso de
// escritura", "es una carpeta", ..., "error del sistema (código <n>)"), and the same in Spanish.
Message WriteFailure(int errnoValue);
std::string WriteFailureReason(int errnoValue);

// Every temporary file of the program is "." + the target's name + this marker + the
// writing process's id + "-" + six random characters, e.g.
// ".CometsCR.dat.vagaris-tmp-4711-a8ZkQ2".
inline constexpr const char* kTemporaryMarker = ".vagaris-tmp-";

// True for a file name of the program's temporary pattern.
bool IsProgramTemporaryName(const std::string& fileName);

// Whether a file can be created in `dir` (the only reliable test of writability): a file of a
// new random name is created exclusively, never through a link, and removed again. Nothing
// else in the folder is opened or touched. Never throws.
bool CanCreateFilesIn(const std::string& dir);

// The reason of EWriteError for a path through a symbolic link that belongs to another user,
// in a folder every user may write to and only owners may delete from (sticky, as /tmp): such
// a link is not followed (the kernel's rule with fs.protected_symlinks), since its owner could
// point it at a file of the writer's.
inline constexpr const char* kForeignLinkReason =
    "enlace simbólico de otro usuario en una carpeta compartida";

// Removes the program's temporary files in `dir` (not its subfolders) whose writing process
// has ended: the leftovers of a crash or a kill. Files of processes still running are kept.
// Returns how many were removed; never throws.
int RemoveStaleTemporaries(const std::string& dir);

// One replacement in progress. The constructor resolves symbolic links (the link's final
// target is what gets replaced; the link stays a link; another user's link in a shared sticky
// folder is refused, kForeignLinkReason) and creates the temporary file with
// the target's mode and, where permitted, its owner (a new file gets 0666 less the umask).
// Every step throws EWriteError naming `path` as given; the destructor removes the temporary
// file unless commit() succeeded.
class AtomicFile {
public:
    explicit AtomicFile(const std::string& path);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void write(const char* data, std::size_t size);
    void write(const std::string& bytes) { write(bytes.data(), bytes.size()); }
    // Flushes to the disk and renames over the target.
    void commit();
    // Drops the temporary file; the target stays as it was.
    void cancel();

    const std::string& path() const { return path_; }
    const std::string& temporaryPath() const { return temp_; }

private:
    [[noreturn]] void fail(int errnoValue);
    [[noreturn]] void fail(const Message& reason);

    std::string path_;    // as given, for messages
    std::string target_;  // after following symbolic links
    std::string temp_;
    int fd_ = -1;
};

}  // namespace vagaris
