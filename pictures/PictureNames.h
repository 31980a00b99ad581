#pragma once
// File names of orbit pictures: the names the save dialog proposes, the GIF-or-bitmap choice
// and the numbered frames of a sequence. Pure C++.
#include <string>

namespace vagaris {

// The object's name made fit for a file name (FileNameSafe): its "/" (comet designations carry
// one) and any other character no file name may hold become "_": "P/2010 A2" → "P_2010 A2".
std::string PictureTitle(const std::string& objectName);

// The name proposed for one picture: "orbita" in "Para web" mode, otherwise title + "_orbita".
std::string DefaultPictureName(const std::string& objectName, bool web);
// The name proposed for a sequence, also in "Para web" mode: title + "_orbita".
std::string DefaultSequenceName(const std::string& objectName);

// The extension of the file name in `path`: from its last "." on, "" when there is none.
std::string PathExtension(const std::string& path);
// True when the extension is ".gif" in any case: x.gif and x.GIF receive GIF data.
bool IsGifExtension(const std::string& extension);

// Frame k (1 … 100) of a sequence saved under `chosenPath`: base + "_" + k with at least two
// digits, then the chosen extension (at most four characters, dot included) when it is a GIF
// extension, kept as typed, and ".bmp" otherwise.
struct SequenceFrame {
    std::string path;
    bool gif;
};
SequenceFrame SequenceFramePath(const std::string& chosenPath, int k);

}  // namespace vagaris
