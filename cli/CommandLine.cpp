#include "cli/CliText.h"
#include "cli/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "translations/Translations.h"

namespace vagaris::cli {

namespace {

constexpr ExitCodeText kExitCodeTexts[] = {
    {0, QT_TRANSLATE_NOOP("CoreText", "correcto; también con --help y --version")},
    {1, QT_TRANSLATE_NOOP("CoreText",
                          "la entrada no vale o la operación falla: un archivo que falta o no se "
                          "lee, un objeto que no está en el catálogo, una línea o una fecha que no "
                          "se convierte, una escritura o una descarga que falla")},
    {2, QT_TRANSLATE_NOOP("CoreText",
                          "la línea de órdenes no vale: sin argumentos, una opción desconocida, "
                          "una opción sin su valor, un valor que no es un número o está fuera del "
                          "rango de la opción")},
};

// Where the program keeps its files, for the help and the manual page.
constexpr const char* kFilesText = QT_TRANSLATE_NOOP(
    "CoreText",
    "vagaris y vagaris-cli comparten la carpeta del programa: $VAGARIS_HOME si está definida; "
    "si no, $XDG_DATA_HOME/vagaris, o ~/.local/share/vagaris (un programa compilado que se "
    "ejecuta desde su carpeta de compilación usa esa carpeta cuando puede escribir en ella). "
    "Allí están vagaris.ini (la configuración) y los cinco catálogos CometsCR.dat, "
    "NeosAndUnusualCR.dat, CriticalListCR.dat, DistantObjectsCR.dat y "
    "BrightMinorPlanetsCR.dat; un archivo 457.txt o modext.txt en ella muestra las páginas "
    "del modo extendido.");

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
std::string S(const QString& s) { return s.toUtf8().toStdString(); }

// The option's name as QCommandLineParser knows it: without its dashes.
QString BareName(const char* name) {
    QString n = QString::fromLatin1(name);
    while (n.startsWith(QLatin1Char('-'))) n.remove(0, 1);
    return n;
}

// The argument as the user typed it for an option QCommandLineParser names bare.
std::string TypedForm(const std::vector<std::string>& args, const QString& bare) {
    for (const auto& a : args) {
        if (a == "--") break;
        QString n = Q(a);
        if (!n.startsWith(QLatin1Char('-'))) continue;
        while (n.startsWith(QLatin1Char('-'))) n.remove(0, 1);
        if (n.section(QLatin1Char('='), 0, 0) == bare) return a;
    }
    return (bare.size() == 1 ? "-" : "--") + S(bare);
}

// The text between the first and the last apostrophe of Qt's message ("Missing value after
// '--lat'."), which names the argument.
std::string Quoted(const QString& message) {
    const auto first = message.indexOf(QLatin1Char('\''));
    const auto last = message.lastIndexOf(QLatin1Char('\''));
    return first >= 0 && last > first ? S(message.mid(first + 1, last - first - 1)) : std::string();
}

// Words of `text` on lines of at most `width` characters (counted as code points), each
// line after the first starting with `indent`.
std::string Wrap(const std::string& text, std::size_t width, const std::string& indent) {
    std::string out, line;
    auto length = [](const std::string& s) {
        std::size_t n = 0;
        for (unsigned char c : s) n += (c & 0xC0) != 0x80;
        return n;
    };
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(start, end - start);
        start = end + 1;
        if (word.empty()) continue;
        if (!line.empty() && length(indent) + length(line) + 1 + length(word) > width) {
            out += (out.empty() ? "" : indent) + line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty()) out += (out.empty() ? "" : indent) + line + "\n";
    return out;
}

std::string Indented(const std::string& lines, const std::string& indent) {
    std::string out;
    std::size_t start = 0;
    while (start <= lines.size()) {
        std::size_t end = lines.find('\n', start);
        if (end == std::string::npos) end = lines.size();
        out += indent + lines.substr(start, end - start) + "\n";
        start = end + 1;
    }
    return out;
}

// Characters of a UTF-8 text (continuation bytes not counted).
std::size_t Utf8Width(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

// A text of the help in the language of the interface (Spanish unless --lang en).
std::string T(const char* spanish) { return spanish ? TrCoreUtf8(spanish) : std::string(); }

std::string OptionHead(const OptionSpec& o) {
    return std::string(o.name) + (o.value ? " " + T(o.value) : std::string());
}

// The usage lines: the first after the command's name, the others indented under it.
std::string UsageLines(const CommandSpec& command) {
    return T(QT_TRANSLATE_NOOP("CoreText", "uso: vagaris-cli ")) + command.name + " " +
           Indented(T(command.synopsis), "    ").substr(4);
}

constexpr OptionSpec kHelpOption{"--help", nullptr,
                                 QT_TRANSLATE_NOOP("CoreText", "muestra esta ayuda y termina")};

// Roff: a backslash printed as such, minus signs that stay minus signs, and no line taken
// for a request.
std::string Roff(const std::string& text) {
    std::string out;
    bool lineStart = true;
    for (char c : text) {
        if (lineStart && (c == '.' || c == '\'')) out += "\\&";
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
        lineStart = c == '\n';
    }
    return out;
}

// A word after a request (".B \"/MIN"): a double quote there would open a quoted argument.
std::string RoffArgument(const std::string& text) {
    std::string out;
    for (const char c : Roff(text)) out += c == '"' ? std::string("\\(dq") : std::string(1, c);
    return out;
}

}  // namespace

const std::span<const ExitCodeText> kExitCodes{kExitCodeTexts};

std::string ParsedArgs::value(const std::string& name, const std::string& fallback) const {
    const auto it = values.find(name);
    return it == values.end() || it->second.empty() ? fallback : it->second.back();
}

const OptionSpec* ParsedArgs::optionNamed(const std::string& name) const {
    for (const OptionSpec* o : knownOptions)
        if (name == o->name) return o;
    return nullptr;
}

std::vector<std::string> ParsedArgs::all(const std::string& name) const {
    const auto it = values.find(name);
    return it == values.end() ? std::vector<std::string>{} : it->second;
}

bool HelpRequested(const std::vector<std::string>& args) {
    for (const auto& a : args) {
        if (a == "--") return false;
        if (a == "--help" || a == "-h") return true;
    }
    return false;
}

ParsedArgs ParseCommandLine(const CommandSpec& command, const std::vector<std::string>& args) {
    QCommandLineParser parser;
    // "-o" is a name like any other; "-abc" is one unknown option, not three switches.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    std::vector<const OptionSpec*> known;
    for (const auto& group : command.options)
        for (const OptionSpec& o : group) {
            known.push_back(&o);
            parser.addOption(o.value ? QCommandLineOption(BareName(o.name), QString(),
                                                          QString::fromUtf8(o.value))
                                     : QCommandLineOption(BareName(o.name)));
        }
    QStringList list{QStringLiteral("vagaris-cli")};
    for (const auto& a : args) list << Q(a);
    // parse(), not process(): the messages are this program's, in Spanish, and so is the exit.
    if (!parser.parse(list)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            throw UsageError(
                Say(QT_TRANSLATE_NOOP("CoreText",
                                      "opción desconocida: %1 (vagaris-cli %2 --help enumera las "
                                      "opciones)"),
                    {TypedForm(args, unknown.first()), command.name}));
        const QString error = parser.errorText();
        const std::string named = Quoted(error);
        if (error.startsWith(QLatin1String("Missing value")))
            throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "falta el valor de %1"), {named}));
        if (error.startsWith(QLatin1String("Unexpected value")))
            throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "%1 no lleva valor"), {named}));
        throw UsageError(S(error));
    }
    ParsedArgs parsed;
    parsed.knownOptions = known;
    for (const OptionSpec* o : known) {
        const QString bare = BareName(o->name);
        if (!parser.isSet(bare)) continue;
        if (o->value) {
            auto& values = parsed.values[o->name];
            for (const QString& v : parser.values(bare)) values.push_back(S(v));
        } else {
            parsed.flags.insert(o->name);
        }
    }
    for (const QString& p : parser.positionalArguments()) parsed.positional.push_back(S(p));
    // A word no option takes, where the subcommand takes none: the one refusal of them all.
    if (!command.arguments && !parsed.positional.empty())
        throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "argumento inesperado: %1"),
                             {parsed.positional.front()}));
    return parsed;
}

std::string CommandUsage(const CommandSpec& command) {
    return UsageLines(command) +
           T(QT_TRANSLATE_NOOP("CoreText", "Las opciones y un ejemplo: vagaris-cli ")) +
           command.name + " --help\n";
}

std::string CommandHelp(const CommandSpec& command) {
    std::string out =
        Wrap(std::string("vagaris-cli ") + command.name + ": " + T(command.summary), 79, "  ") +
        "\n";
    out += UsageLines(command);
    if (command.arguments)
        out += T(QT_TRANSLATE_NOOP("CoreText", "\nArgumentos:\n  ")) +
               Wrap(T(command.arguments), 79, "  ");
    out += T(QT_TRANSLATE_NOOP("CoreText", "\nOpciones:\n"));
    auto add = [&](const OptionSpec& o) {
        out += "  " + OptionHead(o) + "\n";
        out += "        " + Wrap(OptionHelp(o), 79, "        ");
    };
    for (const auto& group : command.options)
        for (const OptionSpec& o : group) add(o);
    add(kHelpOption);
    if (!command.output.empty()) {
        out += T(QT_TRANSLATE_NOOP("CoreText", "\nSalida:\n"));
        // The headings in one column, as wide as the widest.
        std::size_t width = 0;
        for (const OutputItem& item : command.output)
            if (item.name) width = std::max(width, Utf8Width(T(item.name)));
        for (const OutputItem& item : command.output) {
            if (!item.name) {
                out += "  " + Wrap(T(item.meaning), 79, "  ");
                continue;
            }
            const std::string name = T(item.name);
            out += "  " + name + std::string(width + 2 - Utf8Width(name), ' ') +
                   Wrap(T(item.meaning), 79, std::string(width + 4, ' '));
        }
    }
    out += T(QT_TRANSLATE_NOOP("CoreText", "\nEjemplo:\n")) + Indented(command.example, "  ");
    out += T(QT_TRANSLATE_NOOP("CoreText", "\nCódigos de salida:\n"));
    for (const auto& e : kExitCodes)
        out += "  " + std::to_string(e.code) + "  " + Wrap(T(e.meaning), 79, "     ");
    return out;
}

std::string ProgramHelp(std::span<const CommandSpec* const> commands, const std::string& version) {
    std::string out =
        "vagaris-cli " + version +
        T(QT_TRANSLATE_NOOP("CoreText",
                            ": los cálculos de Vagaris (cometas y asteroides) desde la línea de "
                            "órdenes\n\nuso: vagaris-cli ORDEN [opciones]\n"
                            "     vagaris-cli ORDEN --help\n"
                            "     vagaris-cli --help | --version\n\nÓrdenes:\n"));
    std::size_t width = 0;
    for (const CommandSpec* c : commands) width = std::max(width, std::string(c->name).size());
    for (const CommandSpec* c : commands)
        out += "  " + std::string(c->name) +
               std::string(width + 2 - std::string(c->name).size(), ' ') +
               Wrap(T(c->summary), 79, std::string(width + 4, ' '));
    out += T(QT_TRANSLATE_NOOP("CoreText", "\nArchivos:\n  ")) + Wrap(T(kFilesText), 79, "  ");
    out += T(QT_TRANSLATE_NOOP("CoreText", "\nCódigos de salida:\n"));
    for (const auto& e : kExitCodes)
        out += "  " + std::to_string(e.code) + "  " + Wrap(T(e.meaning), 79, "     ");
    return out;
}

std::string ManualPage(std::span<const CommandSpec* const> commands, const std::string& version) {
    std::string out =
        ".TH VAGARIS-CLI 1 \"\" \"vagaris-cli " + version + "\" \"" +
        T(QT_TRANSLATE_NOOP("CoreText", "Órdenes de usuario")) + "\"\n.SH " +
        T(QT_TRANSLATE_NOOP("CoreText", "NOMBRE")) + "\nvagaris-cli \\- " +
        T(QT_TRANSLATE_NOOP("CoreText", "los cálculos de Vagaris desde la línea de órdenes")) +
        "\n.SH " + T(QT_TRANSLATE_NOOP("CoreText", "SINOPSIS")) + "\n.B vagaris-cli\n.I " +
        T(QT_TRANSLATE_NOOP("CoreText", "orden")) + "\n.RI [ " +
        T(QT_TRANSLATE_NOOP("CoreText", "opciones")) + " ]\n.br\n.B vagaris-cli\n.I " +
        T(QT_TRANSLATE_NOOP("CoreText", "orden")) +
        "\n.B \\-\\-help\n.br\n.B vagaris-cli\n.BR \\-\\-help \" | \" \\-\\-version\n.SH " +
        T(QT_TRANSLATE_NOOP("CoreText", "DESCRIPCIÓN")) + "\n" +
        T(QT_TRANSLATE_NOOP("CoreText",
                            "vagaris-cli hace sin ventana lo que hacen las páginas de")) +
        "\n.BR vagaris (1):\n" +
        T(QT_TRANSLATE_NOOP("CoreText",
                            "dónde está un cometa o un asteroide, cómo se observa, efemérides, "
                            "gráficas, el dibujo de la órbita, la búsqueda en MPCOrb.dat, la "
                            "descarga de catálogos, la búsqueda de anticolas y el parámetro de "
                            "Tisserand. Todas las horas son de Tiempo Universal.")) +
        "\n.SH " + T(QT_TRANSLATE_NOOP("CoreText", "ÓRDENES")) + "\n";
    for (const CommandSpec* c : commands) {
        out += ".SS " + std::string(c->name) + "\n" + Roff(T(c->summary)) + "\n.PP\n.nf\n" +
               Roff(std::string("vagaris-cli ") + c->name + " " +
                    Indented(T(c->synopsis), "    ").substr(4)) +
               ".fi\n";
        if (c->arguments) out += ".PP\n" + Roff(T(c->arguments)) + "\n";
        auto add = [&](const OptionSpec& o) {
            // Bold name, italic value.
            out += o.value ? ".TP\n.BI \"" + Roff(o.name) + " \" \"" + Roff(T(o.value)) + "\"\n"
                           : ".TP\n.B " + Roff(o.name) + "\n";
            out += Roff(OptionHelp(o)) + "\n";
        };
        for (const auto& group : c->options)
            for (const OptionSpec& o : group) add(o);
        add(kHelpOption);
        if (!c->output.empty()) out += ".PP\n" + T(QT_TRANSLATE_NOOP("CoreText", "Salida:")) + "\n";
        for (const OutputItem& item : c->output)
            out += item.name ? ".TP\n.B " + RoffArgument(T(item.name)) + "\n" +
                                   Roff(T(item.meaning)) + "\n"
                             : ".PP\n" + Roff(T(item.meaning)) + "\n";
        out += ".PP\n" + T(QT_TRANSLATE_NOOP("CoreText", "Ejemplo:")) + "\n.PP\n.RS\n.nf\n" +
               Roff(c->example) + "\n.fi\n.RE\n";
    }
    out += ".SH " + T(QT_TRANSLATE_NOOP("CoreText", "ARCHIVOS")) + "\n" + Roff(T(kFilesText)) +
           "\n.SH " + T(QT_TRANSLATE_NOOP("CoreText", "ESTADO DE SALIDA")) + "\n";
    for (const auto& e : kExitCodes)
        out += ".TP\n.B " + std::to_string(e.code) + "\n" + Roff(T(e.meaning)) + "\n";
    out += ".SH " + T(QT_TRANSLATE_NOOP("CoreText", "VÉASE TAMBIÉN")) + "\n.BR vagaris (1)\n";
    return out;
}

}  // namespace vagaris::cli
