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
#include "core/Session.h"
#include "core/TextFile.h"

namespace vagaris::cli {

// The object options. --catalog may be repeated; the last one counts.
inline constexpr OptionSpec kObjectOptions[] = {
    {"--catalog", QT_TRANSLATE_NOOP("CoreText", "ARCHIVO"),
     QT_TRANSLATE_NOOP(
         "CoreText",
         "catálogo de elementos orbitales en el formato del MPC; un nombre relativo que no existe "
         "en la carpeta actual se busca en la carpeta del programa. Obligatoria.")},
    {"--kind", QT_TRANSLATE_NOOP("CoreText", "C|A"),
     QT_TRANSLATE_NOOP(
         "CoreText",
         "formato del catálogo: C cometas, A asteroides (por defecto, según el nombre del archivo: "
         "CometsCR.dat es C; NeosAndUnusualCR.dat, CriticalListCR.dat, DistantObjectsCR.dat y "
         "BrightMinorPlanetsCR.dat son A)")},
    {"--object", QT_TRANSLATE_NOOP("CoreText", "N"),
     QT_TRANSLATE_NOOP("CoreText",
                       "el objeto número N del catálogo, desde 0 (se da --object o --name)")},
    {"--name", QT_TRANSLATE_NOOP("CoreText", "TEXTO"),
     QT_TRANSLATE_NOOP(
         "CoreText",
         "el objeto llamado TEXTO, sin distinguir mayúsculas ni espacios, o si no el único cuyo "
         "nombre contiene TEXTO; si varios lo contienen, se enumeran y no se calcula nada")},
};
// The instant of the computation.
inline constexpr OptionSpec kAtOption[] = {
    {"--at", QT_TRANSLATE_NOOP("CoreText", "FECHA"),
     QT_TRANSLATE_NOOP(
         "CoreText",
         "el instante en Tiempo Universal, \"dd/mm/aaaa hh:nn:ss\" o \"dd/mm/aaaa\" (por defecto, "
         "ahora)")},
};
// The Configuración page's values; without them, those of vagaris.ini (its defaults when
// there is no file).
inline constexpr OptionSpec kSettingsOptions[] = {
    {"--lat", QT_TRANSLATE_NOOP("CoreText", "GRADOS"),
     QT_TRANSLATE_NOOP(
         "CoreText",
         "latitud del observador en grados enteros, de -90 a 90; admite signo, como -05 (por "
         "defecto la de vagaris.ini, +40 sin archivo)")},
    {"--lon", QT_TRANSLATE_NOOP("CoreText", "GRADOS"),
     QT_TRANSLATE_NOOP(
         "CoreText",
         "longitud del observador en grados, este positiva, de -180 a 180; la usa el modelo "
         "preciso (por defecto la de vagaris.ini, +000.0 sin archivo)")},
    {"--alt", QT_TRANSLATE_NOOP("CoreText", "METROS"),
     QT_TRANSLATE_NOOP(
         "CoreText",
         "altitud del observador en metros, de 0 a 9999 (por defecto la de vagaris.ini, 0000 sin "
         "archivo)")},
    {"--res", QT_TRANSLATE_NOOP("CoreText", "SEGUNDOS"),
     QT_TRANSLATE_NOOP(
         "CoreText",
         "resolución en segundos de arco por píxel con la que se calcula la exposición (por "
         "defecto la de vagaris.ini, 2.7 sin archivo); excluye --fwhm")},
    {"--fwhm", QT_TRANSLATE_NOOP("CoreText", "SEGUNDOS"),
     QT_TRANSLATE_NOOP(
         "CoreText",
         "FWHM de las estrellas en segundos de arco: la exposición se calcula con ella en lugar "
         "de la resolución (por defecto se usa la resolución; excluye --res)")},
    {"--exposure-format", QT_TRANSLATE_NOOP("CoreText", "seconds|minsec"),
     QT_TRANSLATE_NOOP(
         "CoreText",
         "la exposición en segundos o en minutos y segundos (por defecto la de vagaris.ini, "
         "seconds sin archivo)")},
    {"--polar", nullptr,
     QT_TRANSLATE_NOOP(
         "CoreText",
         "el movimiento en ángulo de posición y velocidad (por defecto, si vagaris.ini no dice "
         "otra cosa)")},
    {"--cartesian", nullptr,
     QT_TRANSLATE_NOOP("CoreText",
                       "el movimiento en ascensión recta y declinación; excluye --polar")},
    {"--per-minute", nullptr,
     QT_TRANSLATE_NOOP("CoreText",
                       "el movimiento por minuto (por defecto, si vagaris.ini no dice otra cosa)")},
    {"--per-hour", nullptr,
     QT_TRANSLATE_NOOP("CoreText", "el movimiento por hora; excluye --per-minute")},
};

// The computation model, for every subcommand that computes positions.
inline constexpr OptionSpec kModelOptions[] = {
    {"--model", QT_TRANSLATE_NOOP("CoreText", "standard|precise"),
     QT_TRANSLATE_NOOP(
         "CoreText",
         "el modelo de cálculo: standard, el del programa, o precise, posiciones astrométricas "
         "J2000 topocéntricas para la latitud, longitud y altura de vagaris.ini, con el "
         "movimiento integrado bajo la atracción de los planetas desde la época de los "
         "elementos (los asteroides desde su época de osculación; los cometas, cuyas líneas no "
         "traen época de osculación, desde el instante del perihelio) (por defecto el de "
         "vagaris.ini, standard sin archivo)")},
    {"--geocentric", nullptr,
     QT_TRANSLATE_NOOP("CoreText",
                       "con el modelo preciso, la posición para el centro de la Tierra en lugar "
                       "de la del observador")},
    {"--two-body", nullptr,
     QT_TRANSLATE_NOOP("CoreText",
                       "con el modelo preciso, el objeto en la cónica de Kepler de sus elementos, "
                       "sin las perturbaciones de los planetas (para comparar con programas de "
                       "dos cuerpos)")},
};

// --model, --geocentric and --two-body into the settings (already read from vagaris.ini).
// Throws UsageError for a model that is not standard or precise, and for --geocentric or
// --two-body with the standard model.
void ApplyModelOptions(Settings& settings, const ParsedArgs& args);

// ProgramDir (as the window resolves it), settings from vagaris.ini, then the flags' overrides.
// Throws UsageError for contradictory or malformed flags.
void SetupSessionSettings(Session& session, const ParsedArgs& args);
// Loads --catalog (layout from the file name or --kind), selects --object N or the first
// --name match (case-insensitive), fills CatalogKind, CatalogLines, CometLines, selector names
// and Elements. Throws UsageError (bad options) or std::runtime_error (file, no match).
void SetupSessionObject(Session& session, const ParsedArgs& args);
// --at "dd/mm/yyyy hh:nn:ss" or "dd/mm/yyyy"; without it, now (UTC). Throws EConvertError.
Instant InstantOption(const Session& session, const ParsedArgs& args, const std::string& name);

// Writes text to stdout as UTF-8 with LF ends.
void PrintLines(const std::vector<std::string>& lines);
// Files are written with WriteFileAtomically and EncodeTextFile of core/TextFile.h.

// Runs body; maps UsageError → message + exit 2, other exceptions → message + exit 1.
int RunGuarded(const std::function<int()>& body);

}  // namespace vagaris::cli
