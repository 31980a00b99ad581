#pragma once
// The search in MPCOrb.dat: one sequential pass over the file that stops at the first line
// whose readable designation contains the key, and the cutting of that line into elements.
#include <optional>
#include <string>

#include "core/ElementRecord.h"
#include "core/Message.h"

namespace vagaris {

inline constexpr const char* kMpcOrbNotFoundMessage = "MPCOrb.dat no encontrado";
// "Asteroide <the text as typed> no encontrado".
Message AsteroidNotFoundMessage(const std::string& typed);

// True when `path` names an existing regular file (a folder does not count).
bool MpcOrbFileExists(const std::string& path);
// Nothing when `path` names a regular file; otherwise the one line that says what it is
// instead: kMpcOrbNotFoundMessage when nothing is there, "MPCOrb.dat: '<path>' es una
// carpeta" and its siblings for a folder, a FIFO, a device or a path that cannot be looked at.
std::optional<Message> MpcOrbFileProblem(const std::string& path);

// Only lines longer than this are orbit lines; the header and the blank separator are shorter.
inline constexpr std::size_t kMpcOrbMinLineLength = 171;  // [characters]
// Columns 167-191 (1-based): the readable designation, "(1) Ceres" or "2004 MN4".
inline constexpr std::size_t kMpcOrbDesignationFirst = 167;
inline constexpr std::size_t kMpcOrbDesignationLast = 191;

// Scans the file for the first orbit line whose designation columns, upper-cased, contain
// `key` (an MpcOrbSearchKey). Lines end with LF, CR LF or CR. Returns that line's first 191
// characters (every field the search uses lies within them), or nothing when no line matches
// or the key is empty. The file is read by `threads` workers (0: one per processor) through
// ReadLinesInParallel: memory stays constant whatever the file's size or its line lengths, and
// the line found is the first in file order whatever the number of workers. Throws
// EReadError (core/ReadableFile.h) when the file cannot be read, is not a regular file or is
// cut while it is read.
std::optional<std::string> FindMpcOrbLine(const std::string& path, const std::string& key,
                                          int threads = 0);

// Cuts an MPCOrb.dat line into the element texts the boxes show: H 8-13, G 15-19, the packed
// epoch 21-25 through UnpackEpoch, M 27-35, w 37-46, O 48-57, i 59-68, e 70-79, a 93-103,
// Name 167-191, each trimmed; q stays empty. Never fails.
TOrbitalElements ParseMpcOrbLine(const std::string& line);

// The whole search for a search box text (upper-cased as the box shows it): the key, the
// scan and the line cut. Nothing when the text is empty or no line matches.
std::optional<TOrbitalElements> SearchMpcOrb(const std::string& path, const std::string& boxText,
                                             int threads = 0);

}  // namespace vagaris
