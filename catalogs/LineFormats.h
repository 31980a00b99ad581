#pragma once
// The two catalog line layouts (comets, minor planets), the free-field number scanner and the
// packed epoch of MPCOrb.dat lines. Lines are handled without their line end.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/ElementRecord.h"

namespace vagaris {

// Comet layout: Name 1-40, Fecha 48-62, then q e w O i H G by NumberScan from column 63.
// Never fails; missing numbers give empty fields, an eighth number sets ExtraNumbers.
TOrbitalElements ParseCometLine(const std::string& line);
// Minor-planet layout: fixed columns (Name 1-40, Fecha 48-59, M 61-68, a 69-77, e 80-87,
// w 89-96, O 98-105, i 107-114, H 116-120, G 122-127). Never fails.
TOrbitalElements ParseMinorPlanetLine(const std::string& line);

// Next free-field number of `text`. `cursor` is 1-based and starts at 1 (the text's first
// character); the first character examined is cursor + 1. A "-" directly before the number's
// first digit or point belongs to it. Returns the trimmed number text, or "" (cursor at the
// end) when the text ends before a number starts.
std::string NumberScan(const std::string& text, std::size_t& cursor);

// Packed epoch of five characters (K107N) → "2010 07 23.0".
std::string UnpackEpoch(const std::string& packed);

// 1-based inclusive column range, cut to what the line holds, not trimmed.
std::string Columns(const std::string& line, std::size_t from, std::size_t to);

// Removes a trailing CR LF, LF or CR.
std::string StripLineEnd(const std::string& line);
// Splits a file's bytes into lines without their ends (CR LF, LF or CR, catalogs/LineEnds.h).
// A final line end does not make an extra empty line.
std::vector<std::string> SplitLines(const std::string& bytes);

// A catalog file larger than this is refused unread: the largest catalog is well under 1 MB.
inline constexpr std::uint64_t kCatalogMaxBytes = std::uint64_t{64} << 20;  // [bytes]
// Reads a whole catalog file into its lines. Lines are kept whole (a number far along a line
// still makes it invalid); the size bound bounds them. Throws EReadError (core/ReadableFile.h)
// naming the file: missing or unreadable, not a regular file (a FIFO, a device, a folder),
// larger than kCatalogMaxBytes, or cut while it is read.
std::vector<std::string> ReadCatalogLines(const std::string& path);

}  // namespace vagaris
