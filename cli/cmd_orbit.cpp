// vagaris-cli orbit: the orbit view's picture (or a numbered sequence of pictures) for one
// object at one instant, exactly as the Orbita page saves it, rendered offscreen.
#include <charconv>
#include <cstdlib>
#include <memory>
#include <sstream>

#include <QtGlobal>
#include "cli/CliText.h"
#include "cli/CommonOptions.h"
#include "cli/Plugins.h"
#include "core/Errors.h"
#include "core/Angles.h"
#include "core/Circumstances.h"
#include "core/InstantStep.h"
#include "orbitview/OrbitScene.h"
#include "pictures/PictureNames.h"

namespace {

using vagaris::cli::UsageError;

constexpr vagaris::cli::OptionSpec kOwnOptions[] = {
    {"--tilt", QT_TRANSLATE_NOOP("CoreText", "GRADOS"),
     QT_TRANSLATE_NOOP("CoreText", "la inclinación de la vista, de -90 a 90 (por defecto 0)")},
    {"--azimuth", QT_TRANSLATE_NOOP("CoreText", "GRADOS"),
     QT_TRANSLATE_NOOP("CoreText", "el giro de la vista, de 0 a 360 (por defecto 0)")},
    {"--scale", QT_TRANSLATE_NOOP("CoreText", "UA"),
     QT_TRANSLATE_NOOP(
         "CoreText",
         "la escala: las unidades astronómicas del radio del dibujo, de 0.5 a 100 en décimas (por "
         "defecto 4.0)")},
    {"--pan", QT_TRANSLATE_NOOP("CoreText", "X,Y"),
     QT_TRANSLATE_NOOP("CoreText", "el desplazamiento del dibujo en píxeles (por defecto 0,0)")},
    {"--planets", QT_TRANSLATE_NOOP("CoreText", "LISTA"),
     QT_TRANSLATE_NOOP(
         "CoreText",
         "las órbitas de planetas dibujadas: nombres de mer,ven,mar,jup,sat,ura,nep separados por "
         "comas, o all (por defecto, ninguna)")},
    {"--plane", nullptr,
     QT_TRANSLATE_NOOP("CoreText",
                       "dibuja el cuadrado del plano de la eclíptica (por defecto, no)")},
    {"--web", nullptr,
     QT_TRANSLATE_NOOP("CoreText",
                       "el tamaño \"Para web\", 326 x 326 píxeles (por defecto 430 x 469)")},
    {"--frames", QT_TRANSLATE_NOOP("CoreText", "N"),
     QT_TRANSLATE_NOOP(
         "CoreText",
         "una secuencia de N imágenes numeradas, de 0 a 100 (por defecto, una sola imagen)")},
    {"--step", QT_TRANSLATE_NOOP("CoreText", "K"),
     QT_TRANSLATE_NOOP(
         "CoreText",
         "con --frames, el paso entre imágenes: 1, 2, 3, 5, 10, 15 o 30 (por defecto 1)")},
    {"--unit", QT_TRANSLATE_NOOP("CoreText", "UNIDAD"),
     QT_TRANSLATE_NOOP(
         "CoreText",
         "con --frames, la unidad del paso: anos, meses, semanas, dias, horas o minutos (por "
         "defecto dias)")},
    {"--animated", nullptr,
     QT_TRANSLATE_NOOP("CoreText",
                       "con --frames, las N imágenes en un solo GIF animado (cada una 0,2 s, en "
                       "bucle) en lugar de la secuencia numerada: -o ARCHIVO.gif")},
    {"-o", QT_TRANSLATE_NOOP("CoreText", "ARCHIVO"),
     QT_TRANSLATE_NOOP(
         "CoreText",
         "la imagen, ARCHIVO.gif o ARCHIVO.bmp, como la guarda la página. Obligatoria.")},
};

// The paint box's sizes [px]: the page at start, and "Para web".
constexpr int kPageWidth = 430, kPageHeight = 469, kWebSize = 326;
constexpr int kMaxFrames = 100;   // the range of UpDown1
constexpr int kMaxPan = 1000000;  // [px] far beyond any visible shift

// A whole integer, optional sign; nothing else.
bool ParseWholeInt(const std::string& text, int& value) {
    std::string digits = text;
    if (!digits.empty() && digits[0] == '+') digits.erase(0, 1);
    if (digits.empty()) return false;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return ec == std::errc() && end == digits.data() + digits.size();
}

// An integer option within [low, high], as a scroll bar or a spin box takes it.
int IntOption(const vagaris::cli::ParsedArgs& args, const std::string& name, int fallback, int low,
              int high) {
    if (!args.values.count(name)) return fallback;
    int value = 0;
    if (!ParseWholeInt(args.value(name), value) || value < low || value > high) {
        throw UsageError(vagaris::cli::Say(
            QT_TRANSLATE_NOOP("CoreText", "%1: se espera un entero de %2 a %3, no '%4'"),
            {name, std::to_string(low), std::to_string(high), args.value(name)}));
    }
    return value;
}

// --scale AU in tenths as ScrollBar2 moves: 0.5 … 100 with at most one decimal. Returns the
// bar's position.
int ScalePosition(const vagaris::cli::ParsedArgs& args) {
    if (!args.values.count("--scale")) return 40;
    const std::string text = args.value("--scale");
    const auto dot = text.find('.');
    const std::string whole = text.substr(0, dot);
    const std::string tenth = dot == std::string::npos ? "0" : text.substr(dot + 1);
    auto digitsOnly = [](const std::string& s) {
        return !s.empty() && s.size() <= 4 &&
               s.find_first_not_of("0123456789") == std::string::npos;
    };
    int position = -1;
    if (digitsOnly(whole) && digitsOnly(tenth) && tenth.size() == 1)
        position = std::atoi(whole.c_str()) * 10 + (tenth[0] - '0');
    if (position < 5 || position > 1000)
        throw UsageError(vagaris::cli::Say(
            QT_TRANSLATE_NOOP("CoreText",
                              "--scale: se espera una escala de 0.5 a 100 UA en décimas, no '%1'"),
            {text}));
    return position;
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

vagaris::StepUnit UnitOption(const vagaris::cli::ParsedArgs& args) {
    if (!args.values.count("--unit")) return vagaris::kStepDays;
    static const char* const kUnits[] = {"anos", "meses", "semanas", "dias", "horas", "minutos"};
    const std::string text = args.value("--unit");
    for (int u = 0; u < 6; ++u)
        if (text == kUnits[u]) return static_cast<vagaris::StepUnit>(u);
    throw UsageError(vagaris::cli::Say(
        QT_TRANSLATE_NOOP("CoreText",
                          "--unit: se espera anos, meses, semanas, dias, horas o minutos, no '%1'"),
        {text}));
}

int StepOption(const vagaris::cli::ParsedArgs& args) {
    if (!args.values.count("--step")) return vagaris::kStepAmounts[0];
    int value = 0;
    if (ParseWholeInt(args.value("--step"), value))
        for (int amount : vagaris::kStepAmounts)
            if (value == amount) return value;
    throw UsageError(vagaris::cli::Say(
        QT_TRANSLATE_NOOP("CoreText", "--step: se espera 1, 2, 3, 5, 10, 15 o 30, no '%1'"),
        {args.value("--step")}));
}

int Run(const vagaris::cli::ParsedArgs& args) {
    using namespace vagaris::cli;
    if (!args.positional.empty())
        throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "argumento inesperado: %1"),
                             {args.positional.front()}));
    const std::string output = args.value("-o");
    if (output.empty())
        throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "falta -o ARCHIVO.gif|ARCHIVO.bmp")));

    vagaris::OrbitSceneOptions options;
    options.view.Tilt = vagaris::Rad(IntOption(args, "--tilt", 0, -90, 90));
    options.view.Azimuth = vagaris::Rad(IntOption(args, "--azimuth", 0, 0, 360));
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
    const int frames = IntOption(args, "--frames", 1, 0, kMaxFrames);
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
    const int step = StepOption(args);
    const vagaris::StepUnit unit = UnitOption(args);

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
