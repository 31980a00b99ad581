#include "cli/CommonOptions.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <system_error>

#include "catalogs/CatalogInfo.h"
#include "catalogs/LineFormats.h"
#include "cli/CatalogLookup.h"
#include "cli/CliText.h"
#include "cli/OptionValues.h"
#include "core/ReadableFile.h"
#include "core/AtomicFile.h"
#include "catalogs/SessionCatalog.h"
#include "core/Errors.h"
#include "core/TextForms.h"
#include "core/precise/PreciseSession.h"
#include "settings/SettingsFile.h"
#include "translations/Translations.h"

namespace vagaris::cli {

namespace fs = std::filesystem;

namespace {

// A --lat as the Configuración box holds it: a sign and two digits ("+40", "-05"), and a
// fraction after them when the number has one ("+40.5").
std::string LatitudeBoxText(double degrees) {
    const double magnitude = std::fabs(degrees);
    const int whole = static_cast<int>(magnitude);
    char text[64];
    std::snprintf(text, sizeof text, "%c%02d", degrees < 0 && magnitude > 0 ? '-' : '+', whole);
    std::string out = text;
    if (magnitude == whole) return out;
    const auto end = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::fixed);
    const std::string digits(text, end.ptr);
    return out + digits.substr(digits.find('.'));
}

void Exclusive(const ParsedArgs& args, const std::string& a, const std::string& b) {
    if (args.has(a) && args.has(b))
        throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "%1 y %2 se excluyen"), {a, b}));
}

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// A name as --name compares it exactly: lower case, without blanks.
std::string Squeezed(const std::string& s) {
    std::string out;
    for (char c : Lower(s))
        if (c != ' ' && c != '\t') out += c;
    return out;
}

// The object --name TEXT chooses: the first whose name equals the text (case and blanks
// ignored), else the only one whose name contains it (case ignored). Several containing it
// and none equal: exit 1 naming up to ten of them, "…" after the tenth when there are more.
int ObjectNamed(const std::vector<std::string>& names, const std::string& typed,
                const std::string& catalogName) {
    const std::string exact = Squeezed(typed);
    for (std::size_t k = 0; k < names.size(); ++k)
        if (Squeezed(names[k]) == exact) return static_cast<int>(k);
    const std::string wanted = Lower(typed);
    std::vector<std::size_t> matches;
    for (std::size_t k = 0; k < names.size(); ++k)
        if (Lower(names[k]).find(wanted) != std::string::npos) matches.push_back(k);
    if (matches.size() == 1) return static_cast<int>(matches.front());
    if (matches.empty())
        throw std::runtime_error(
            Say(QT_TRANSLATE_NOOP("CoreText", "Ningún objeto de %1 contiene '%2'"),
                {catalogName, typed}));
    constexpr std::size_t kListed = 10;
    std::string list;
    for (std::size_t m = 0; m < matches.size() && m < kListed; ++m)
        list += (m > 0 ? ", " : "") + names[matches[m]];
    if (matches.size() > kListed) list += "\u2026";
    throw std::runtime_error(Say(
        QT_TRANSLATE_NOOP("CoreText", "'%1' coincide con %2; use --object N o un nombre más largo"),
        {typed, list}));
}

}  // namespace

void ApplyModelOptions(Settings& settings, const ParsedArgs& args) {
    if (const auto model = ChoiceOption(args, "--model"))
        settings.Model = *model == 0 ? kStandardModelText : kPreciseModelText;
    if (args.has("--geocentric")) {
        if (!UsesPreciseModel(settings))
            throw UsageError(Say(QT_TRANSLATE_NOOP(
                "CoreText", "--geocentric solo vale con el modelo preciso (--model precise)")));
        settings.GeocentricPlace = true;
    }
    if (args.has("--two-body")) {
        if (!UsesPreciseModel(settings))
            throw UsageError(Say(QT_TRANSLATE_NOOP(
                "CoreText", "--two-body solo vale con el modelo preciso (--model precise)")));
        settings.TwoBodyPlace = true;
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
    // and two digits ("+40", "-05"), the height as four digits. A latitude with a fraction
    // keeps it after the two digits for the texts that quote it; the computations take the
    // number itself (OptionsObserver).
    if (const auto lat = RealOption(args, "--lat")) s.Lat = LatitudeBoxText(*lat);
    if (const auto lon = RealOption(args, "--lon")) s.Lon = LongitudeText(*lon);
    char buf[16];
    if (const auto alt = IntegerOption(args, "--alt")) {
        std::snprintf(buf, sizeof buf, "%04d", *alt);
        s.Alt = buf;
    }
    if (RealOption(args, "--res")) {
        s.Res = Trim(args.value("--res"));
        s.UseResolution = true;
    }
    if (RealOption(args, "--fwhm")) {
        s.FWHM = Trim(args.value("--fwhm"));
        s.UseResolution = false;
    }
    if (const auto format = ChoiceOption(args, "--exposure-format"))
        s.ExposureFormat = static_cast<int>(*format);
    if (args.has("--polar")) s.Polar = true;
    if (args.has("--cartesian")) s.Polar = false;
    if (args.has("--per-minute")) s.PerMinute = true;
    if (args.has("--per-hour")) s.PerMinute = false;
    ApplyModelOptions(s, args);
}

std::string CatalogPath(Session& session, const std::string& given) {
    // A subcommand that reads no settings (tisserand) still has the program folder to look in.
    if (session.ProgramDir.empty()) session.ProgramDir = ResolveProgramDir(ExecutableDir());
    return FindCatalogFile(given, session.ProgramDir);
}

Observer OptionsObserver(const Session& session, const ParsedArgs& args) {
    Observer observer = ObserverFromSettings(session.settings);
    if (const auto lat = RealOption(args, "--lat")) observer.latitudeDeg = *lat;
    return observer;
}

bool ComputeCircumstancesFor(Session& session, const ParsedArgs& args, CircumstanceMode mode,
                             double twilightLimit) {
    if (!args.has("--lat")) return ComputeCircumstances(session, mode, twilightLimit);
    if (session.Elements.Fecha.empty()) return false;  // no object chosen
    return ComputeCircumstances(session, mode, OptionsObserver(session, args), twilightLimit);
}

void SetupSessionObject(Session& session, const ParsedArgs& args) {
    RequireOption(args, "--catalog");
    Exclusive(args, "--object", "--name");
    if (!args.has("--object") && !args.has("--name"))
        throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "falta --object N o --name TEXTO")));

    // Found before its format is asked: a missing file is missing, whatever its name. Whatever
    // stands at the name is the reader's to judge, on the opened file: a FIFO, a device or a
    // folder is "no es un archivo normal", not missing.
    const fs::path path = CatalogPath(session, args.value("--catalog"));

    char kind = KindForFileName(path.filename().string());
    if (const auto k = ChoiceOption(args, "--kind")) kind = *k == 0 ? 'C' : 'A';
    if (kind == 0)
        throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText",
                                               "no se reconoce el formato de '%1': indique --kind "
                                               "C o --kind A"),
                             {path.filename().string()}));

    std::vector<std::string> lines = ReadCatalogLines(path.string());

    InstallCatalog(session, kind, std::move(lines));
    const std::vector<std::string>& names = session.SelectorNames;
    int index = -1;
    if (const auto object = IntegerOption(args, "--object")) {
        const std::string text = args.value("--object");
        const int n = *object;
        if (n < 0 || n >= static_cast<int>(names.size()))
            throw std::runtime_error(
                Say(QT_TRANSLATE_NOOP("CoreText", "No existe el objeto %1 en %2 (%3 objetos)"),
                    {text, path.filename().string(), std::to_string(names.size())}));
        index = n;
    } else {
        // An empty text is found in every name: it would pick the first object unasked.
        if (Trim(args.value("--name")).empty())
            throw std::runtime_error(
                Say(QT_TRANSLATE_NOOP("CoreText", "--name: el nombre buscado está vacío")));
        index = ObjectNamed(names, args.value("--name"), path.filename().string());
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
        throw std::runtime_error(
            Say(QT_TRANSLATE_NOOP("CoreText", "No se pudo escribir la salida: %1"),
                {errno ? WriteFailure(errno).text(TrCoreUtf8)
                       : Say(QT_TRANSLATE_NOOP("CoreText", "error de escritura"))}));
}

namespace {

// A read failure in the interface language: its pattern translated, the path (and the size
// limit) put back in it.
std::string ReadErrorText(const EReadError& e) {
    switch (e.failure()) {
        case ReadFailure::Unreadable: return Say(kUnreadablePattern, {e.path()});
        case ReadFailure::NotRegular: return Say(kNotRegularPattern, {e.path()});
        case ReadFailure::Changed: return Say(kChangedPattern, {e.path()});
        case ReadFailure::TooLarge: break;
    }
    return ErrorText(e, TrCoreUtf8);
}

}  // namespace

int RunGuarded(const std::function<int()>& body) {
    try {
        return body();
    } catch (const UsageError& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    } catch (const EReadError& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s\n", ReadErrorText(e).c_str());
        return 1;
    } catch (const std::exception& e) {
        // The fixed messages of the pure code are in the catalogue under their own text, the
        // others carry their pattern (core/Message.h).
        std::fflush(stdout);
        std::fprintf(stderr, "%s\n", ErrorText(e, TrCoreUtf8).c_str());
        return 1;
    }
}

}  // namespace vagaris::cli
