#include "core/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string_view>

namespace vagaris {

namespace {

// Linux follows at most 40 links in one path; a longer chain is a loop for us too.
constexpr int kMaxLinkHops = 40;
// Room left in a 255-byte file name for the dot, the marker, a process id and the suffix.
constexpr std::size_t kMaxKeptNameBytes = 200;

std::string ParentOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The rule the kernel applies to links with fs.protected_symlinks: in a folder anyone may write
// to but only owners may delete from (sticky and world-writable, as /tmp), a link is followed
// only when it belongs to the follower or to the folder's owner; anyone else's link there may
// point at a file its owner could not replace. Links followed by hand escape the kernel's
// check, so it is made here for each of them.
bool MayFollowLink(const std::string& link, const struct stat& linkStat) {
    struct stat folder;
    if (::stat(ParentOf(link).c_str(), &folder) != 0) return true;  // later steps report it
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return !shared || linkStat.st_uid == ::geteuid() || linkStat.st_uid == folder.st_uid;
}

// The file a path finally designates: symbolic links followed one by one, so that a dangling
// link still names the file to create. Returns why it cannot be followed (a loop, another
// user's link in a shared folder), nothing when it can.
std::optional<Message> FollowLinks(const std::string& path, std::string& target) {
    target = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st;
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return std::nullopt;
        if (!MayFollowLink(target, st)) return Message(kForeignLinkReason);
        std::string link(std::size_t(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n < 0) return std::nullopt;  // let the later steps report what is wrong
        link.resize(std::size_t(n));
        target = (!link.empty() && link[0] == '/') ? link : ParentOf(target) + "/" + link;
    }
    return WriteFailure(ELOOP);
}

// The process's umask without changing it (umask() would, for a moment, for every thread).
mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("Umask:", 0) == 0) return mode_t(std::strtoul(line.c_str() + 6, nullptr, 8));
    return 022;
}

// The process id in a temporary file name, 0 when the name is not of the program's pattern.
long TemporaryOwner(const std::string& name) {
    if (name.size() < 2 || name[0] != '.') return 0;
    const auto marker = name.rfind(kTemporaryMarker);
    if (marker == std::string::npos || marker < 2) return 0;
    std::size_t k = marker + std::string_view(kTemporaryMarker).size();
    long pid = 0;
    const std::size_t digits = k;
    while (k < name.size() && name[k] >= '0' && name[k] <= '9' && k - digits < 10)
        pid = pid * 10 + (name[k++] - '0');
    if (k == digits || k >= name.size() || name[k] != '-') return 0;
    const std::string_view suffix = std::string_view(name).substr(k + 1);
    if (suffix.size() != 6) return 0;
    for (char c : suffix)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) return 0;
    return pid > 0 ? pid : 0;
}

}  // namespace

EWriteError::EWriteError(const std::string& path, const Message& reason)
    : EMessage(Message(kCannotWritePattern, {path}, {reason})),
      path_(path),
      reason_(reason.text()) {}

Message WriteFailure(int errnoValue) {
    switch (errnoValue) {
        case ENOSPC: return Message("disco lleno");
        case EDQUOT: return Message("cuota de disco agotada");
        case EACCES:
        case EPERM: return Message("sin permiso de escritura");
        case EROFS: return Message("la carpeta es de solo lectura");
        case EISDIR: return Message("es una carpeta");
        case ENOENT: return Message("la carpeta no existe");
        case ENOTDIR: return Message("una parte de la ruta no es una carpeta");
        case ENAMETOOLONG: return Message("nombre demasiado largo");
        case ELOOP: return Message("demasiados enlaces simbólicos");
        case EFBIG: return Message("archivo demasiado grande");
        case EIO: return Message("error de entrada/salida del disco");
        case EBUSY:
        case ETXTBSY: return Message("el archivo está en uso");
        case EMFILE:
        case ENFILE: return Message("demasiados archivos abiertos");
        default: return Message("error del sistema (código %1)", {std::to_string(errnoValue)});
    }
}

std::string WriteFailureReason(int errnoValue) { return WriteFailure(errnoValue).text(); }

bool IsProgramTemporaryName(const std::string& fileName) { return TemporaryOwner(fileName) != 0; }

bool CanCreateFilesIn(const std::string& dir) {
    // A name of the temporaries' pattern, so that a probe a kill left behind is cleaned at the
    // next start; mkostemp creates it with O_EXCL (a link planted under the name is never
    // followed, an existing file never opened) and a random suffix.
    std::string probe = (dir.empty() ? std::string(".") : dir);
    if (probe.back() != '/') probe += '/';
    probe += std::string(".vagaris-write-probe") + kTemporaryMarker + std::to_string(::getpid()) +
             "-XXXXXX";
    const int fd = ::mkostemp(probe.data(), O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return false;
    // Only the file made here is removed, even if the name was taken over meanwhile.
    struct stat made, named;
    if (::fstat(fd, &made) == 0 && ::lstat(probe.c_str(), &named) == 0 &&
        made.st_dev == named.st_dev && made.st_ino == named.st_ino)
        ::unlink(probe.c_str());
    ::close(fd);
    return true;
}

int RemoveStaleTemporaries(const std::string& dir) {
    DIR* folder = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!folder) return 0;
    int removed = 0;
    const std::string prefix = dir.empty() || dir.back() == '/' ? dir : dir + "/";
    while (const dirent* entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        const long pid = TemporaryOwner(name);
        if (pid == 0 || pid == long(::getpid())) continue;
        // A process that still runs (or that we may not signal: another user's) keeps it.
        if (::kill(pid_t(pid), 0) == 0 || errno != ESRCH) continue;
        struct stat st;
        const std::string path = prefix + name;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        if (::unlink(path.c_str()) == 0) ++removed;
    }
    ::closedir(folder);
    return removed;
}

AtomicFile::AtomicFile(const std::string& path) : path_(path) {
    if (path.empty()) fail(ENOENT);
    if (const auto refused = FollowLinks(path, target_)) fail(*refused);
    struct stat st;
    const bool exists = ::stat(target_.c_str(), &st) == 0;
    if (!exists && errno != ENOENT) fail(errno);
    if (exists && S_ISDIR(st.st_mode)) fail(EISDIR);
    // Renaming over a device or a pipe would replace it by a plain file (as root even
    // /dev/null): only regular files are replaced.
    if (exists && !S_ISREG(st.st_mode)) fail(Message("no es un archivo normal"));

    std::string name = NameOf(target_);
    if (name.size() > kMaxKeptNameBytes) name.resize(kMaxKeptNameBytes);
    std::string pattern =
        ParentOf(target_) + "/." + name + kTemporaryMarker + std::to_string(::getpid()) + "-XXXXXX";
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0) fail(errno);
    temp_ = pattern;

    const mode_t mode = exists ? (st.st_mode & 07777) : (0666 & ~CurrentUmask());
    if (::fchmod(fd_, mode) != 0) fail(errno);
    // The owner is kept where the process may set it (root, or a group it belongs to); a
    // file that must change hands otherwise simply becomes the writer's, as any editor does.
    if (exists && (st.st_uid != ::geteuid() || st.st_gid != ::getegid()))
        if (::fchown(fd_, st.st_uid, st.st_gid) != 0) (void)!::fchown(fd_, uid_t(-1), st.st_gid);
}

AtomicFile::~AtomicFile() { cancel(); }

void AtomicFile::write(const char* data, std::size_t size) {
    if (fd_ < 0) fail(EBADF);
    while (size > 0) {
        const ssize_t n = ::write(fd_, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(errno);
        }
        data += n;
        size -= std::size_t(n);
    }
}

void AtomicFile::commit() {
    if (fd_ < 0) fail(EBADF);
    // Space of a delayed allocation can still run out here, before the rename.
    if (::fsync(fd_) != 0) fail(errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) fail(errno);
    if (::rename(temp_.c_str(), target_.c_str()) != 0) fail(errno);
    temp_.clear();
    // The rename itself reaches the disk with the folder's entry; a failure here loses
    // nothing that was there before, so it is not reported.
    const int folder = ::open(ParentOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        (void)::fsync(folder);
        ::close(folder);
    }
}

void AtomicFile::cancel() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
}

void AtomicFile::fail(int errnoValue) { fail(WriteFailure(errnoValue)); }

void AtomicFile::fail(const Message& reason) {
    cancel();
    throw EWriteError(path_, reason);
}

}  // namespace vagaris
