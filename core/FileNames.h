#pragma once
// File names the program proposes from object names (the save dialogs of the pictures).
// Pure C++.
#include <string>

namespace vagaris {

// `text` with every character that cannot stand in a file name on the disks a picture may be
// copied to replaced by "_": the folder separators "/" and "\", the control characters
// (U+0000 to U+001F, U+007F) and : * ? " < > |. Everything else, letters beyond ASCII
// included, stays: "C/2019 Y4 (ATLAS)" → "C_2019 Y4 (ATLAS)".
std::string FileNameSafe(const std::string& text);

}  // namespace vagaris
