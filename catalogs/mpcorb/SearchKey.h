#pragma once
// The search key of the MPCOrb.dat search box: how a typed number, packed number,
// provisional designation or name becomes the text looked for in the designation columns.
#include <cstddef>
#include <string>

#include "core/TextForms.h"  // Utf8Prefix, which cuts the texts to kSearchKeyMaxChars

namespace vagaris {

// Longest search box text taken, and longest key [characters].
inline constexpr std::size_t kSearchKeyMaxChars = 30;

// The search box shows every letter in upper case; the command line does the same to its
// argument. ASCII letters only: MPCOrb.dat designations are plain ASCII.
std::string UpperCaseAscii(std::string text);

// The key for a search box text (already upper-cased, UTF-8). The text is cut to its first
// 30 characters, then the first rule that applies:
//   all digits              "1"        → "(1)"        the way the file writes numbers
//   letter + four digits    "A0345"    → "(100345)"   a packed number, A = 10 … Z = 35
//   4 digits + more (> 5)   "2004 MN4" → "2004 MN4 "  the designation must end there
//   anything else           "CERES"    → "CERES"      a name or part of one
// and the result is cut to 30 characters again. An empty text gives an empty key.
std::string MpcOrbSearchKey(const std::string& boxText);

}  // namespace vagaris
