// The settings file reader over arbitrary bytes. Whatever the file holds, the reading never
// throws, the values it keeps are usable (the site constants compute from them), and what the
// window would save from them reads back the same without a message.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "core/Errors.h"
#include "settings/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using vagaris::fuzz::Broken;
    if (size > 65536) return -1;
    const std::string programDir = vagaris::fuzz::ScratchDir().string() + "/";
    vagaris::fuzz::WriteFile(programDir + vagaris::kSettingsFileName,
                             std::string(reinterpret_cast<const char*>(data), size));
    vagaris::Settings first;
    (void)vagaris::LoadSettings(programDir, first);
    try {
        (void)vagaris::ComputeSite(first.Lat, first.Alt);
    } catch (const vagaris::EConvertError&) {
        Broken("los valores leídos no sirven para el lugar");
    }
    vagaris::SaveSettings(programDir, first);
    vagaris::Settings second;
    if (vagaris::LoadSettings(programDir, second)) Broken("lo guardado no se lee sin aviso");
    if (!(second == first)) Broken("lo guardado no se lee igual");
    return 0;
}
