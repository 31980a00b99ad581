#pragma once
// The objects of the night's catalogs: reading the catalog files into element values, and the
// removal of the duplicates when the five catalogs are ranked together. Pure C++.
#include <string>
#include <vector>

#include "core/ElementRecord.h"
#include "core/PositionModel.h"
#include "outputs/tonight/TonightRanking.h"

namespace vagaris::tonight {

// One object of a catalog file, its element texts and the values the model reads from them.
struct CatalogObject {
    int index = 0;         // its line in the file, from 0
    int catalogOrder = 0;  // its file's place in the request
    char kind = 'A';       // 'C' comet line, 'A' minor-planet line
    const std::string* line = nullptr;
    TOrbitalElements texts;
    TElementValues values;
};

// The layout of a catalog file: from its name, else from its first line that holds something
// (minor-planet lines carry numbers at M 61-68 and a 69-77; comet lines do not).
char KindOfCatalog(const std::string& path, const std::vector<std::string>& lines);

// The file name of a path, without its folders.
std::string BaseName(const std::string& path);

// Reads the catalog sources in order (MPCOrb.dat sources are only checked: they are streamed
// later) into objects whose values the model reads; `catalogLines` keeps the lines they point
// at. Fills the result's catalog names and paths, the stamps of the files read, the lines that
// did not convert and, when `skipMissing`, the files that do not exist. Throws the reader's
// message for a file that cannot be read and the MPCOrb.dat message for a missing MPCOrb.dat.
std::vector<CatalogObject> LoadCatalogObjects(const std::vector<Source>& sources, bool skipMissing,
                                              const PositionModel& model,
                                              std::vector<std::vector<std::string>>& catalogLines,
                                              Result& result);

// One object per name, in the order given: the newest elements (the latest epoch) of
// minor-planet lines; comets and equal epochs keep the first one.
std::vector<CatalogObject> RemoveDuplicates(std::vector<CatalogObject> objects);

}  // namespace vagaris::tonight
