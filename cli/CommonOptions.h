#pragma once
// Options shared by the subcommands: the object options
// (--catalog, --kind, --object, --name, --at) and the settings options
// (--lat, --lon, --alt, --res, --fwhm, --exposure-format, --polar, --cartesian, --per-minute,
// --per-hour) and the model options (--model, --geocentric). Settings come from vagaris.ini in
// ProgramDir; the flags override them.
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include <QtGlobal>
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "core/Circumstances.h"
#include "core/Observer.h"
#include "core/Session.h"
#include "core/TextFile.h"

namespace vagaris::cli {

// The object options. --catalog may be repeated; the last one counts.
inline constexpr OptionSpec kObjectOptions[] = {
    {.name = "--catalog",
     .value = QT_TRANSLATE_NOOP("CoreText", "ARCHIVO"),
     .help = QT_TRANSLATE_NOOP(
         "CoreText",
         "catálogo de elementos orbitales en el formato del MPC; un nombre relativo que no existe "
         "en la carpeta actual se busca en la carpeta del programa."),
     .required = true},
    {.name = "--kind",
     .value = QT_TRANSLATE_NOOP("CoreText", "C|A"),
     .help = QT_TRANSLATE_NOOP("CoreText", "formato del catálogo: C cometas, A asteroides (%d)"),
     .kind = OptionKind::Choice,
     .choices = "C|A",
     .defaultNote = QT_TRANSLATE_NOOP(
         "CoreText",
         "por defecto, según el nombre del archivo: CometsCR.dat es C; NeosAndUnusualCR.dat, "
         "CriticalListCR.dat, DistantObjectsCR.dat y BrightMinorPlanetsCR.dat son A")},
    {.name = "--object",
     .value = QT_TRANSLATE_NOOP("CoreText", "N"),
     .help = QT_TRANSLATE_NOOP(
         "CoreText", "el objeto número N del catálogo, desde 0 (se da --object o --name)"),
     .kind = OptionKind::Integer},
    {.name = "--name",
     .value = QT_TRANSLATE_NOOP("CoreText", "TEXTO"),
     .help = QT_TRANSLATE_NOOP(
         "CoreText",
         "el objeto llamado TEXTO, sin distinguir mayúsculas ni espacios, o si no el único cuyo "
         "nombre contiene TEXTO; si varios lo contienen, se enumeran y no se calcula nada")},
};
// The instant of the computation.
inline constexpr OptionSpec kAtOption[] = {
    {.name = "--at",
     .value = QT_TRANSLATE_NOOP("CoreText", "FECHA"),
     .help = QT_TRANSLATE_NOOP(
         "CoreText",
         "el instante en Tiempo Universal, \"dd/mm/aaaa hh:nn:ss\" o \"dd/mm/aaaa\" (%d)"),
     .kind = OptionKind::Date,
     .defaultNote = kDefaultNow},
};
// The observer's latitude, a real number of degrees, for every subcommand that takes one.
inline constexpr OptionSpec kLatitudeOption = {
    .name = "--lat",
    .value = QT_TRANSLATE_NOOP("CoreText", "GRADOS"),
    .help = QT_TRANSLATE_NOOP("CoreText", "latitud, norte positiva, %r (%d)"),
    .kind = OptionKind::Real,
    .min = -90,
    .max = 90,
    .rangeNote = kRangeTo,
    .numberForm = "+0;-0",
    .defaultNote = kDefaultFromSettings};
// The Configuración page's values; without them, those of vagaris.ini (its defaults when
// there is no file).
inline constexpr OptionSpec kSettingsOptions[] = {
    kLatitudeOption,
    {.name = "--lon",
     .value = QT_TRANSLATE_NOOP("CoreText", "GRADOS"),
     .help = QT_TRANSLATE_NOOP(
         "CoreText",
         "longitud del observador en grados, este positiva, %r; la usa el modelo preciso (%d)"),
     .kind = OptionKind::Real,
     .min = -180,
     .max = 180,
     .rangeNote = kRangeFromTo,
     .fallback = "+000.0",
     .defaultNote = kDefaultFromSettingsOr},
    {.name = "--alt",
     .value = QT_TRANSLATE_NOOP("CoreText", "METROS"),
     .help = QT_TRANSLATE_NOOP("CoreText", "altitud del observador en metros, %r (%d)"),
     .kind = OptionKind::Integer,
     .min = 0,
     .max = 9999,
     .rangeNote = kRangeFromTo,
     .fallback = "0000",
     .defaultNote = kDefaultFromSettingsOr},
    {.name = "--res",
     .value = QT_TRANSLATE_NOOP("CoreText", "SEGUNDOS"),
     .help = QT_TRANSLATE_NOOP(
         "CoreText",
         "resolución en segundos de arco por píxel con la que se calcula la exposición (%d); "
         "excluye --fwhm"),
     .kind = OptionKind::Real,
     .min = 0,
     .aboveMin = true,
     .fallback = "2.7",
     .defaultNote = kDefaultFromSettingsOr},
    {.name = "--fwhm",
     .value = QT_TRANSLATE_NOOP("CoreText", "SEGUNDOS"),
     .help = QT_TRANSLATE_NOOP(
         "CoreText",
         "FWHM de las estrellas en segundos de arco: la exposición se calcula con ella en lugar "
         "de la resolución (%d; excluye --res)"),
     .kind = OptionKind::Real,
     .min = 0,
     .aboveMin = true,
     .defaultNote = QT_TRANSLATE_NOOP("CoreText", "por defecto se usa la resolución")},
    {.name = "--exposure-format",
     .value = QT_TRANSLATE_NOOP("CoreText", "seconds|minsec"),
     .help =
         QT_TRANSLATE_NOOP("CoreText", "la exposición en segundos o en minutos y segundos (%d)"),
     .kind = OptionKind::Choice,
     .choices = "seconds|minsec",
     .fallback = "seconds",
     .defaultNote = kDefaultFromSettingsOr},
    {.name = "--polar",
     .value = nullptr,
     .help = QT_TRANSLATE_NOOP("CoreText", "el movimiento en ángulo de posición y velocidad (%d)"),
     .kind = OptionKind::Flag,
     .defaultNote = kDefaultUnlessSettings},
    {.name = "--cartesian",
     .value = nullptr,
     .help = QT_TRANSLATE_NOOP("CoreText",
                               "el movimiento en ascensión recta y declinación; excluye --polar"),
     .kind = OptionKind::Flag},
    {.name = "--per-minute",
     .value = nullptr,
     .help = QT_TRANSLATE_NOOP("CoreText", "el movimiento por minuto (%d)"),
     .kind = OptionKind::Flag,
     .defaultNote = kDefaultUnlessSettings},
    {.name = "--per-hour",
     .value = nullptr,
     .help = QT_TRANSLATE_NOOP("CoreText", "el movimiento por hora; excluye --per-minute"),
     .kind = OptionKind::Flag},
};

// The computation model, for every subcommand that computes positions.
inline constexpr OptionSpec kModelOptions[] = {
    {.name = "--model",
     .value = QT_TRANSLATE_NOOP("CoreText", "standard|precise"),
     .help = QT_TRANSLATE_NOOP(
         "CoreText",
         "el modelo de cálculo: standard, el del programa, o precise, posiciones astrométricas "
         "J2000 topocéntricas para la latitud, longitud y altura de vagaris.ini, con el "
         "movimiento integrado bajo la atracción de los planetas desde la época de los "
         "elementos (los asteroides desde su época de osculación; los cometas, cuyas líneas no "
         "traen época de osculación, desde el instante del perihelio) (%d)"),
     .kind = OptionKind::Choice,
     .choices = "standard|precise",
     .fallback = "standard",
     .defaultNote = QT_TRANSLATE_NOOP("CoreText", "por defecto el de vagaris.ini, %1 sin archivo")},
    {.name = "--geocentric",
     .value = nullptr,
     .help = QT_TRANSLATE_NOOP("CoreText",
                               "con el modelo preciso, la posición para el centro de la Tierra en "
                               "lugar de la del observador"),
     .kind = OptionKind::Flag},
    {.name = "--two-body",
     .value = nullptr,
     .help = QT_TRANSLATE_NOOP("CoreText",
                               "con el modelo preciso, el objeto en la cónica de Kepler de sus "
                               "elementos, sin las perturbaciones de los planetas (para comparar "
                               "con programas de dos cuerpos)"),
     .kind = OptionKind::Flag},
};

// --model, --geocentric and --two-body into the settings (already read from vagaris.ini).
// Throws UsageError for a model that is not standard or precise, and for --geocentric or
// --two-body with the standard model.
void ApplyModelOptions(Settings& settings, const ParsedArgs& args);

// ProgramDir (as the window resolves it), settings from vagaris.ini, then the flags' overrides.
// Throws UsageError for contradictory or malformed flags.
void SetupSessionSettings(Session& session, const ParsedArgs& args);
// The catalog file a --catalog names (FindCatalogFile in the current folder, then in the
// program folder, which is resolved first when the session has none yet). Every subcommand
// looks its catalogs up through this one call.
std::string CatalogPath(Session& session, const std::string& given);
// The observer of the session's settings with the options' site: a --lat given is taken as
// the real number it is (the settings hold whole degrees).
Observer OptionsObserver(const Session& session, const ParsedArgs& args);
// ComputeCircumstances for the options' observer: the settings' own path (with its messages
// for a damaged latitude) when --lat is not given.
bool ComputeCircumstancesFor(Session& session, const ParsedArgs& args, CircumstanceMode mode,
                             double twilightLimit = kTwilightAstronomical);

// Loads --catalog (layout from the file name or --kind), selects --object N or the first
// --name match (case-insensitive), fills CatalogKind, CatalogLines, CometLines, selector names
// and Elements. Throws UsageError (bad options) or std::runtime_error (file, no match).
void SetupSessionObject(Session& session, const ParsedArgs& args);
// The date option --at read: "dd/mm/yyyy hh:nn:ss" or "dd/mm/yyyy"; without it, now
// (UTC). A date that does not convert is wrong input: throws EConvertError (exit 1).
Instant InstantOption(const Session& session, const ParsedArgs& args, const std::string& name);

// Writes text to stdout as UTF-8 with LF ends.
void PrintLines(const std::vector<std::string>& lines);
// Files are written with WriteFileAtomically and EncodeTextFile of core/TextFile.h.

// Runs body; maps UsageError → message + exit 2, other exceptions → message + exit 1.
int RunGuarded(const std::function<int()>& body);

}  // namespace vagaris::cli
