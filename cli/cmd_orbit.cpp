// vagaris-cli orbit: the orbit view's picture (or a numbered sequence of pictures) for one
// object at one instant, exactly as the Orbita page saves it, rendered offscreen.
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <sstream>

#include <QtGlobal>
#include "cli/CliText.h"
#include "cli/CommonOptions.h"
#include "cli/OptionValues.h"
#include "cli/Plugins.h"
#include "core/Errors.h"
#include "core/Angles.h"
#include "core/Circumstances.h"
#include "core/InstantStep.h"
#include "orbitview/OrbitScene.h"
#include "pictures/PictureNames.h"

namespace {

using vagaris::cli::UsageError;

using vagaris::cli::OptionKind;

// The paint box's sizes [px]: the page at start, and "Para web".
constexpr int kPageWidth = 430, kPageHeight = 469, kWebSize = 326;
constexpr int kMaxFrames = 100;   // the range of UpDown1
constexpr int kMaxPan = 1000000;  // [px] far beyond any visible shift

constexpr vagaris::cli::OptionSpec kOwnOptions[] = {
    {.name = "--tilt",
     .value = QT_TRANSLATE_NOOP("CoreText", "GRADOS"),
     .help = QT_TRANSLATE_NOOP("CoreText", "la inclinación de la vista, %r (%d)"),
     .kind = OptionKind::Integer,
     .min = -90,
     .max = 90,
     .rangeNote = vagaris::cli::kRangeFromTo,
     .fallback = "0",
     .defaultNote = vagaris::cli::kDefaultIs},
    {.name = "--azimuth",
     .value = QT_TRANSLATE_NOOP("CoreText", "GRADOS"),
     .help = QT_TRANSLATE_NOOP("CoreText", "el giro de la vista, %r (%d)"),
     .kind = OptionKind::Integer,
     .min = 0,
     .max = 360,
     .rangeNote = vagaris::cli::kRangeFromTo,
     .fallback = "0",
     .defaultNote = vagaris::cli::kDefaultIs},
    // In tenths, as ScrollBar2 moves.
    {.name = "--scale",
     .value = QT_TRANSLATE_NOOP("CoreText", "UA"),
     .help = QT_TRANSLATE_NOOP(
         "CoreText",
         "la escala: las unidades astronómicas del radio del dibujo, %r en décimas (%d)"),
     .kind = OptionKind::Real,
     .min = 0.5,
     .max = 100,
     .rangeNote = vagaris::cli::kRangeFromTo,
     .fallback = "4.0",
     .defaultNote = vagaris::cli::kDefaultIs},
    {.name = "--pan",
     .value = QT_TRANSLATE_NOOP("CoreText", "X,Y"),
     .help = QT_TRANSLATE_NOOP("CoreText", "el desplazamiento del dibujo en píxeles (%d)"),
     .fallback = "0,0",
     .defaultNote = vagaris::cli::kDefaultIs},
    {.name = "--planets",
     .value = QT_TRANSLATE_NOOP("CoreText", "LISTA"),
     .help = QT_TRANSLATE_NOOP(
         "CoreText",
         "las órbitas de planetas dibujadas: nombres de mer,ven,mar,jup,sat,ura,nep separados por "
         "comas, o all (%d)"),
     .defaultNote = QT_TRANSLATE_NOOP("CoreText", "por defecto, ninguna")},
    {.name = "--plane",
     .value = nullptr,
     .help = QT_TRANSLATE_NOOP("CoreText", "dibuja el cuadrado del plano de la eclíptica (%d)"),
     .kind = OptionKind::Flag,
     .defaultNote = QT_TRANSLATE_NOOP("CoreText", "por defecto, no")},
    {.name = "--web",
     .value = nullptr,
     .help = QT_TRANSLATE_NOOP("CoreText", "el tamaño \"Para web\", 326 x 326 píxeles (%d)"),
     .kind = OptionKind::Flag,
     .fallback = "430 x 469",
     .defaultNote = vagaris::cli::kDefaultIs},
    {.name = "--frames",
     .value = QT_TRANSLATE_NOOP("CoreText", "N"),
     .help = QT_TRANSLATE_NOOP("CoreText", "una secuencia de N imágenes numeradas, %r (%d)"),
     .kind = OptionKind::Integer,
     .min = 0,
     .max = kMaxFrames,
     .rangeNote = vagaris::cli::kRangeFromTo,
     .defaultNote = QT_TRANSLATE_NOOP("CoreText", "por defecto, una sola imagen")},
    // The amounts of vagaris::kStepAmounts.
    {.name = "--step",
     .value = QT_TRANSLATE_NOOP("CoreText", "K"),
     .help = QT_TRANSLATE_NOOP("CoreText", "con --frames, el paso entre imágenes: %c (%d)"),
     .kind = OptionKind::Choice,
     .choices = "1|2|3|5|10|15|30",
     .fallback = "1",
     .defaultNote = vagaris::cli::kDefaultIs},
    // In the order of vagaris::StepUnit.
    {.name = "--unit",
     .value = QT_TRANSLATE_NOOP("CoreText", "UNIDAD"),
     .help = QT_TRANSLATE_NOOP("CoreText", "con --frames, la unidad del paso: %c (%d)"),
     .kind = OptionKind::Choice,
     .choices = "anos|meses|semanas|dias|horas|minutos",
     .fallback = "dias",
     .defaultNote = vagaris::cli::kDefaultIs},
    {.name = "--animated",
     .value = nullptr,
     .help = QT_TRANSLATE_NOOP("CoreText",
                               "con --frames, las N imágenes en un solo GIF animado (cada una 0,2 "
                               "s, en bucle) en lugar de la secuencia numerada: -o ARCHIVO.gif"),
     .kind = OptionKind::Flag},
    {.name = "-o",
     .value = QT_TRANSLATE_NOOP("CoreText", "ARCHIVO"),
     .help = QT_TRANSLATE_NOOP("CoreText",
                               "la imagen, ARCHIVO.gif o ARCHIVO.bmp, como la guarda la página."),
     .required = true},
};

// A whole integer, optional sign; nothing else.
bool ParseWholeInt(const std::string& text, int& value) {
    std::string digits = text;
    if (!digits.empty() && digits[0] == '+') digits.erase(0, 1);
    if (digits.empty()) return false;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return ec == std::errc() && end == digits.data() + digits.size();
}

// --scale AU in tenths as ScrollBar2 moves: 0.5 … 100 with at most one decimal. Returns the
// bar's position.
int ScalePosition(const vagaris::cli::ParsedArgs& args) {
    const double scale = vagaris::cli::RealOrDefault(args, "--scale");
    const std::string text = vagaris::cli::TextOrDefault(args, "--scale");
    const auto dot = text.find('.');
    const std::string whole = text.substr(0, dot);
    const std::string tenth = dot == std::string::npos ? "0" : text.substr(dot + 1);
    auto digitsOnly = [](const std::string& s) {
        return !s.empty() && s.size() <= 4 &&
               s.find_first_not_of("0123456789") == std::string::npos;
    };
    if (!digitsOnly(whole) || !digitsOnly(tenth) || tenth.size() != 1)
        throw UsageError(vagaris::cli::Say(
            QT_TRANSLATE_NOOP("CoreText",
                              "--scale: se espera una escala de 0.5 a 100 UA en décimas, no '%1'"),
            {text}));
    return static_cast<int>(std::lround(scale * 10));
}

void PanOption(const vagaris::cli::ParsedArgs& args, vagaris::OrbitView& view) {
    if (!args.values.count("--pan")) return;
    const std::string text = args.value("--pan");
    const auto comma = text.find(',');
    int x = 0, y = 0;
    if (comma == std::string::npos || !ParseWholeInt(text.substr(0, comma), x) ||
        !ParseWholeInt(text.substr(comma + 1), y) || std::abs(x) > kMaxPan || std::abs(y) > kMaxPan)
        throw UsageError(vagaris::cli::Say(
            QT_TRANSLATE_NOOP("CoreText", "--pan: se espera X,Y en píxeles, no '%1'"), {text}));
    view.PanX = x;
    view.PanY = y;
}

void PlanetsOption(const vagaris::cli::ParsedArgs& args, vagaris::OrbitSceneOptions& options) {
    if (!args.values.count("--planets")) return;
    static const char* const kNames[vagaris::kPlanetToggleCount] = {"mer", "ven", "mar", "jup",
                                                                    "sat", "ura", "nep"};
    const std::string text = args.value("--planets");
    if (text == "all") {
        options.planets.fill(true);
        return;
    }
    std::istringstream list(text);
    std::string name;
    bool any = false;
    while (std::getline(list, name, ',')) {
        bool known = false;
        for (int p = 0; p < vagaris::kPlanetToggleCount; ++p)
            if (name == kNames[p]) options.planets[p] = known = true;
        if (!known)
            throw UsageError(vagaris::cli::Say(
                QT_TRANSLATE_NOOP("CoreText", "--planets: planeta desconocido '%1'"), {name}));
        any = true;
    }
    if (!any)
        throw UsageError(
            vagaris::cli::Say(QT_TRANSLATE_NOOP("CoreText", "--planets: lista vacía")));
}

int Run(const vagaris::cli::ParsedArgs& args) {
    using namespace vagaris::cli;
    const std::string output = args.value("-o");
    if (output.empty())
        throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "falta -o ARCHIVO.gif|ARCHIVO.bmp")));

    vagaris::OrbitSceneOptions options;
    options.view.Tilt = vagaris::Rad(IntegerOrDefault(args, "--tilt"));
    options.view.Azimuth = vagaris::Rad(IntegerOrDefault(args, "--azimuth"));
    options.view.Scale = ScalePosition(args) / 10.0;
    PanOption(args, options.view);
    PlanetsOption(args, options);
    options.eclipticSquare = args.flags.count("--plane") > 0;
    options.web = args.flags.count("--web") > 0;
    options.width = options.web ? kWebSize : kPageWidth;
    options.height = options.web ? kWebSize : kPageHeight;
    options.dateLine = vagaris::RedrawMode::Recompute;

    const bool sequence = args.values.count("--frames") > 0;
    if (!sequence && (args.values.count("--step") || args.values.count("--unit")))
        throw UsageError(
            Say(QT_TRANSLATE_NOOP("CoreText", "--step y --unit solo sirven con --frames")));
    const int frames = IntegerOption(args, "--frames").value_or(1);
    const bool animated = args.flags.count("--animated") > 0;
    if (animated && !sequence)
        throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "--animated solo sirve con --frames")));
    if (animated && frames == 0)
        throw UsageError(
            Say(QT_TRANSLATE_NOOP("CoreText", "--animated: se espera --frames de 1 a %1"),
                {std::to_string(kMaxFrames)}));
    if (animated && !vagaris::IsGifExtension(vagaris::PathExtension(output)))
        throw UsageError(
            Say(QT_TRANSLATE_NOOP("CoreText", "--animated escribe un GIF: -o ARCHIVO.gif, no '%1'"),
                {output}));
    const int step = vagaris::kStepAmounts[ChoiceOrDefault(args, "--step")];
    const auto unit = static_cast<vagaris::StepUnit>(ChoiceOrDefault(args, "--unit"));

    vagaris::Session session;
    if (!session.clock) session.clock = vagaris::SystemNowUtc;
    SetupSessionSettings(session, args);
    vagaris::FillPlanetRecords(session);
    SetupSessionObject(session, args);
    // A line without elements (no epoch) would draw no object and still succeed.
    if (session.Elements.Fecha.empty()) vagaris::ThrowInvalidElements();
    SetCurrentInstant(session, InstantOption(session, args, "--at"));

    OrbitDrawing drawing;
    drawing.output = output;
    drawing.sequence = sequence;
    drawing.animated = animated;
    drawing.frames = frames;
    drawing.step = step;
    drawing.unit = unit;
    DrawOrbitPictures(session, options, drawing);
    return 0;
}

}  // namespace

const vagaris::cli::CommandSpec vagaris::cli::kOrbitCommand = {
    "orbit",
    QT_TRANSLATE_NOOP(
        "CoreText",
        "el dibujo de la órbita de un objeto entre los planetas, o una secuencia de dibujos: la "
        "página Orbita"),
    QT_TRANSLATE_NOOP("CoreText",
                      "--catalog ARCHIVO [--kind C|A] (--object N | --name TEXTO)\n"
                      "[--at FECHA] [--tilt GRADOS] [--azimuth GRADOS] [--scale UA] [--pan X,Y]\n"
                      "[--planets LISTA] [--plane] [--web]\n"
                      "[--frames N [--step K] [--unit UNIDAD] [--animated]]\n"
                      "-o ARCHIVO.gif|ARCHIVO.bmp [opciones de Configuración]\n"
                      "[--model standard|precise] [--geocentric] [--two-body]"),
    {kObjectOptions, kAtOption, kOwnOptions, kSettingsOptions, kModelOptions},
    "vagaris-cli orbit --catalog CometsCR.dat --name \"Hale-Bopp\" --at 01/04/1997 --tilt 30 "
    "-o halebopp.gif",
    Run,
};
