#pragma once
// The first start: a program folder without any catalog, and the sample catalogs that ship
// with the program (pure C++).
#include <optional>
#include <string>

namespace vagaris {

// True when the folder holds none of the five catalog files.
bool HoldsNoCatalog(const std::string& programDir);

// The folder of the bundled sample catalogs: ../share/vagaris/samples beside the executables'
// folder when it exists (an installed program), else `sourceSamplesDir` (a build tree: the
// source tree's data/samples, known at build time). Nothing when neither exists.
std::optional<std::string> BundledSamplesDir(const std::string& executableDir,
                                             const std::string& sourceSamplesDir);

// Copies the five sample catalogs found in samplesDir into programDir, each atomically and
// never over an existing file; every copy keeps its sample's modification time, so the
// catalog-age warning tells how old the elements really are. Returns how many were copied.
// Throws EMessage (core/Message.h) naming the file when one cannot be read or dated,
// EWriteError when one cannot be written.
int CopySampleCatalogs(const std::string& samplesDir, const std::string& programDir);

}  // namespace vagaris
