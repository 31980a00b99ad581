#include "cli/CommonOptions.h"

#include <cerrno>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <system_error>

#include "catalogs/CatalogInfo.h"
#include "catalogs/LineFormats.h"
#include "core/AtomicFile.h"
#include "catalogs/SessionCatalog.h"
#include "core/Errors.h"
#include "core/TextForms.h"
#include "core/precise/PreciseSession.h"
#include "shell/settings/SettingsFile.h"
#include "shell/settings/Translations.h"

namespace vagaris::cli {

namespace fs = std::filesystem;

namespace {

// The folder of the running executable (vagaris and vagaris-cli sit side by side).
std::string ExecutableDir() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && !exe.empty()) return exe.parent_path().string();
    return fs::current_path(ec).string();
}

int IntegerFlag(const ParsedArgs& args, const std::string& name, int lo, int hi) {
    const std::string text = args.value(name);
    int v;
    try {
        v = ParseInt(text);
    } catch (const EConvertError&) {
        throw UsageError(name + " espera un número entero: '" + text + "'");
    }
    if (v < lo || v > hi)
        throw UsageError(name + " fuera de rango (" + std::to_string(lo) + " a " +
                         std::to_string(hi) + "): '" + text + "'");
    return v;
}

// A scale (resolution, FWHM) in arcseconds: a number above 0.
void RequirePositiveNumber(const ParsedArgs& args, const std::string& name) {
    const std::string text = args.value(name);
    double v;
    try {
        v = ParseFloat(text);
    } catch (const EConvertError&) {
        throw UsageError(name + " espera un número: '" + text + "'");
    }
    if (!(v > 0)) throw UsageError(name + " debe ser mayor que 0: '" + text + "'");
}

void Exclusive(const ParsedArgs& args, const std::string& a, const std::string& b) {
    if (args.has(a) && args.has(b)) throw UsageError(a + " y " + b + " se excluyen");
}

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

}  // namespace

void ApplyModelOptions(Settings& settings, const ParsedArgs& args) {
    if (args.has("--model")) {
        const std::string m = args.value("--model");
        if (m == "standard")
            settings.Model = kStandardModelText;
        else if (m == "precise")
            settings.Model = kPreciseModelText;
        else
            throw UsageError("--model espera standard o precise: '" + m + "'");
    }
    if (args.has("--geocentric")) {
        if (!UsesPreciseModel(settings))
            throw UsageError("--geocentric solo vale con el modelo preciso (--model precise)");
        settings.GeocentricPlace = true;
    }
}

void SetupSessionSettings(Session& session, const ParsedArgs& args) {
    Exclusive(args, "--res", "--fwhm");
    Exclusive(args, "--polar", "--cartesian");
    Exclusive(args, "--per-minute", "--per-hour");
    if (!session.clock) session.clock = SystemNowUtc;

    session.ProgramDir = ResolveProgramDir(ExecutableDir());
    session.ExtendedMode = DecideExtendedMode(session.ProgramDir);
    Settings& s = session.settings;
    // A damaged settings file is told on one line; the command goes on with the defaults.
    if (const auto problem = LoadSettings(session.ProgramDir, s, TrCoreUtf8))
        std::fprintf(stderr, "%s\n", problem->c_str());

    // The flags are written in the form the Configuración boxes hold: the latitude as a sign
    // and two digits ("+40", "-05"), the height as four digits.
    char buf[16];
    if (args.has("--lat")) {
        std::snprintf(buf, sizeof buf, "%+03d", IntegerFlag(args, "--lat", -90, 90));
        s.Lat = buf;
    }
    if (args.has("--lon")) {
        const std::string text = args.value("--lon");
        double v;
        try {
            v = ParseFloat(text);
        } catch (const EConvertError&) {
            throw UsageError("--lon espera un número: '" + text + "'");
        }
        if (!(v >= -180 && v <= 180))
            throw UsageError("--lon fuera de rango (-180 a 180): '" + text + "'");
        s.Lon = LongitudeText(v);
    }
    if (args.has("--alt")) {
        std::snprintf(buf, sizeof buf, "%04d", IntegerFlag(args, "--alt", 0, 9999));
        s.Alt = buf;
    }
    if (args.has("--res")) {
        RequirePositiveNumber(args, "--res");
        s.Res = Trim(args.value("--res"));
        s.UseResolution = true;
    }
    if (args.has("--fwhm")) {
        RequirePositiveNumber(args, "--fwhm");
        s.FWHM = Trim(args.value("--fwhm"));
        s.UseResolution = false;
    }
    if (args.has("--exposure-format")) {
        const std::string f = args.value("--exposure-format");
        if (f == "seconds")
            s.ExposureFormat = 0;
        else if (f == "minsec")
            s.ExposureFormat = 1;
        else
            throw UsageError("--exposure-format espera seconds o minsec: '" + f + "'");
    }
    if (args.has("--polar")) s.Polar = true;
    if (args.has("--cartesian")) s.Polar = false;
    if (args.has("--per-minute")) s.PerMinute = true;
    if (args.has("--per-hour")) s.PerMinute = false;
    ApplyModelOptions(s, args);
}

void SetupSessionObject(Session& session, const ParsedArgs& args) {
    if (!args.has("--catalog")) throw UsageError("falta --catalog ARCHIVO");
    Exclusive(args, "--object", "--name");
    if (!args.has("--object") && !args.has("--name"))
        throw UsageError("falta --object N o --name TEXTO");

    // A relative name that does not exist where the user stands is looked for in ProgramDir,
    // where the program keeps its catalogs.
    fs::path path = args.value("--catalog");
    std::error_code ec;
    if (!fs::exists(path, ec) && path.is_relative() && !session.ProgramDir.empty() &&
        fs::exists(fs::path(session.ProgramDir) / path, ec))
        path = fs::path(session.ProgramDir) / path;

    char kind = KindForFileName(path.filename().string());
    if (args.has("--kind")) {
        const std::string k = args.value("--kind");
        if (k != "C" && k != "A") throw UsageError("--kind espera C o A: '" + k + "'");
        kind = k[0];
    }
    if (kind == 0)
        throw UsageError("no se reconoce el formato de '" + path.filename().string() +
                         "': indique --kind C o --kind A");

    if (!fs::is_regular_file(path, ec))
        // The window's message, and which file (the command line may name any).
        throw std::runtime_error("Archivo de elementos orbitales no encontrado: " + path.string());
    std::vector<std::string> lines = ReadCatalogLines(path.string());

    InstallCatalog(session, kind, std::move(lines));
    const std::vector<std::string>& names = session.SelectorNames;
    int index = -1;
    if (args.has("--object")) {
        const std::string text = args.value("--object");
        int n;
        try {
            n = ParseInt(text);
        } catch (const EConvertError&) {
            throw UsageError("--object espera un número entero: '" + text + "'");
        }
        if (n < 0 || n >= static_cast<int>(names.size()))
            throw std::runtime_error("No existe el objeto " + text + " en " +
                                     path.filename().string() + " (" +
                                     std::to_string(names.size()) + " objetos)");
        index = n;
    } else {
        // An empty text is found in every name: it would pick the first object unasked.
        if (Trim(args.value("--name")).empty())
            throw std::runtime_error("--name: el nombre buscado está vacío");
        const std::string wanted = Lower(args.value("--name"));
        for (std::size_t k = 0; k < names.size() && index < 0; ++k)
            if (Lower(names[k]).find(wanted) != std::string::npos) index = static_cast<int>(k);
        if (index < 0)
            throw std::runtime_error("Ningún objeto de " + path.filename().string() +
                                     " contiene '" + args.value("--name") + "'");
    }

    SelectCatalogObject(session, index);
}

Instant InstantOption(const Session& session, const ParsedArgs& args, const std::string& name) {
    if (!args.has(name)) return session.Now();
    const std::string text = Trim(args.value(name));
    const auto blank = text.find_first_of(" \t");
    if (blank == std::string::npos) return ParseDateText(text);
    const Instant day = ParseDateText(text.substr(0, blank));
    return day + ParseTimeText(Trim(text.substr(blank)));
}

void PrintLines(const std::vector<std::string>& lines) {
    for (const auto& l : lines) {
        std::fwrite(l.data(), 1, l.size(), stdout);
        std::fputc('\n', stdout);
    }
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        throw std::runtime_error("No se pudo escribir la salida: " +
                                 (errno ? WriteFailureReason(errno) : "error de escritura"));
}

int RunGuarded(const std::function<int()>& body) {
    try {
        return body();
    } catch (const UsageError& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    } catch (const std::exception& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}

}  // namespace vagaris::cli
