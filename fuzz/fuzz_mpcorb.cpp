// The MPCOrb.dat search over arbitrary file contents and keys. The input's first line is the
// search box text, the rest is the file. The search returns a line of at most 191
// characters or nothing; the elements cut from it either read or throw EConvertError.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "core/ElementRecord.h"
#include "catalogs/mpcorb/MpcOrbSearch.h"
#include "catalogs/mpcorb/SearchKey.h"
#include "core/Errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using vagaris::fuzz::Broken;
    if (size > (1u << 20)) return -1;
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t end = input.find('\n');
    const std::string boxText = vagaris::UpperCaseAscii(input.substr(0, end));
    const std::string contents = end == std::string::npos ? std::string() : input.substr(end + 1);
    const std::string path = (vagaris::fuzz::ScratchDir() / "MPCORB.DAT").string();
    vagaris::fuzz::WriteFile(path, contents);

    const std::string key = vagaris::MpcOrbSearchKey(boxText);
    if (const auto line = vagaris::FindMpcOrbLine(path, key)) {
        if (line->size() > 191) Broken("línea hallada de más de 191 caracteres");
        if (key.empty()) Broken("una clave vacía halló una línea");
    }
    if (const auto elements = vagaris::SearchMpcOrb(path, boxText)) {
        try {
            (void)vagaris::ReadElements(*elements);
        } catch (const vagaris::EConvertError&) {
        }
    }
    return 0;
}
