#pragma once
// Where a file named on the command line is, for every subcommand alike: as given (a relative
// name from the current folder), else, for a relative name, in the program folder, where the
// program keeps its catalogs. One lookup, so no subcommand looks in fewer places.
#include <optional>
#include <string>

namespace vagaris::cli {

// The folder of the running executable (vagaris and vagaris-cli sit side by side).
std::string ExecutableDir();

// The installed program's sample catalogs (/usr/share/vagaris/samples/ for the package: the
// executables' ../share/vagaris/samples/), nothing for a program run from its build tree.
std::optional<std::string> InstalledSamplesDir();

// The path of `given`: itself when something stands there (whatever it is: the reader judges
// a FIFO or a folder), else programDir + given when that exists and `given` is relative. When
// neither exists, throws std::runtime_error (exit 1) saying where it looked:
//   "No se puede leer Comets.dat: no está en la carpeta actual (/home/u) ni en la carpeta del
//    programa (/home/u/.local/share/vagaris/)"
// ("No se puede leer /x/Comets.dat" for an absolute name), and for an installed program
// "; los catálogos de ejemplo están en /usr/share/vagaris/samples/" after it.
std::string FindCatalogFile(const std::string& given, const std::string& programDir);

// The note an installed program adds to a message about missing catalogs: "; los catálogos de
// ejemplo están en <folder>/", "" in a build tree.
std::string SamplesNote();

}  // namespace vagaris::cli
