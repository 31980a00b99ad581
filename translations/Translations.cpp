#include "translations/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <algorithm>
#include <memory>

#include "settings/SettingsFile.h"

namespace {

// The texts the pure code builds and the Qt layer and vagaris-cli show: listed here so that
// lupdate puts them in the translation file, under the context TrCore looks them up in.
[[maybe_unused]] constexpr const char* kCoreTexts[] = {
    // Selección captions (core/SelectionQuantity.h)
    QT_TRANSLATE_NOOP("CoreText", "Ar:"),
    QT_TRANSLATE_NOOP("CoreText", "Dec:"),
    QT_TRANSLATE_NOOP("CoreText", "Distancia:"),
    QT_TRANSLATE_NOOP("CoreText", "Radio vector:"),
    QT_TRANSLATE_NOOP("CoreText", "Elongación:"),
    QT_TRANSLATE_NOOP("CoreText", "Ang. de fase:"),
    QT_TRANSLATE_NOOP("CoreText", "Magnitud:"),
    QT_TRANSLATE_NOOP("CoreText", "Velocidad"),
    QT_TRANSLATE_NOOP("CoreText", "Altura máxima (Sol -18°):"),
    QT_TRANSLATE_NOOP("CoreText", "Velocidad aparente:"),
    QT_TRANSLATE_NOOP("CoreText", "A.P:"),
    QT_TRANSLATE_NOOP("CoreText", "Vel. aparente AR:"),
    QT_TRANSLATE_NOOP("CoreText", "Vel. aparente Dec:"),
    QT_TRANSLATE_NOOP("CoreText", "Exposición máxima:"),
    // Unit words after the Selección values (core/UnitWords.h)
    QT_TRANSLATE_NOOP("CoreText", "UA"),
    QT_TRANSLATE_NOOP("CoreText", "años"),
    QT_TRANSLATE_NOOP("CoreText", "/minuto"),
    QT_TRANSLATE_NOOP("CoreText", "/hora"),
    QT_TRANSLATE_NOOP("CoreText", "seg"),
    // Catalog captions of the Selección and download pages (catalogs/CatalogInfo.h)
    QT_TRANSLATE_NOOP("CoreText", "Cometas"),
    QT_TRANSLATE_NOOP("CoreText", "NEOs y no ususales"),
    QT_TRANSLATE_NOOP("CoreText", "Lista crítica"),
    QT_TRANSLATE_NOOP("CoreText", "Objetos lejanos"),
    QT_TRANSLATE_NOOP("CoreText", "Asteroides brillantes"),
    QT_TRANSLATE_NOOP("CoreText", "NEOs y no usuales"),  // as the download page spells it
    // Quantities of the Tablas page (outputs/charts/ChartQuantities.cpp)
    QT_TRANSLATE_NOOP("CoreText", "Magnitud"),
    QT_TRANSLATE_NOOP("CoreText", "Altura máxima"),
    QT_TRANSLATE_NOOP("CoreText", "Distancia a la Tierra"),
    QT_TRANSLATE_NOOP("CoreText", "Distancia al Sol"),
    QT_TRANSLATE_NOOP("CoreText", "Ascensión recta"),
    QT_TRANSLATE_NOOP("CoreText", "Declinación"),
    QT_TRANSLATE_NOOP("CoreText", "Elongación"),
    QT_TRANSLATE_NOOP("CoreText", "Angulo de fase"),
    QT_TRANSLATE_NOOP("CoreText", "-Ninguna-"),
    // Axis titles of the Tablas page (the same file; the rest are quantity names above)
    QT_TRANSLATE_NOOP("CoreText", "Dist. Tierra UA"),
    QT_TRANSLATE_NOOP("CoreText", "Dist. Sol UA"),
    QT_TRANSLATE_NOOP("CoreText", "Vel. km/s"),
    QT_TRANSLATE_NOOP("CoreText", "A.R."),
    QT_TRANSLATE_NOOP("CoreText", "Alt. máx. (Sol a -18°)"),
    QT_TRANSLATE_NOOP("CoreText", "Alt. máx. (Sol a -12°)"),
    QT_TRANSLATE_NOOP("CoreText", "Alt. máx. (Sol a -6°)"),
    // The chart's pop-up item on a read-out date (outputs/charts/ChartControls.cpp)
    QT_TRANSLATE_NOOP("CoreText", "Fijar Fecha: %1"),
    // Headings and header lines of the saved tables: the ephemeris table, the anti-tail list
    // and the tonight list (outputs/). Fixed-width headings keep their columns: an English word
    // is at most as long as its column.
    QT_TRANSLATE_NOOP("CoreText", "Posiciones para centro de la Tierra"),
    QT_TRANSLATE_NOOP("CoreText", "Altura máxima para Sol a -18º y Lat %1"),
    QT_TRANSLATE_NOOP("CoreText", "T.U."),
    QT_TRANSLATE_NOOP("CoreText", "AR"),
    QT_TRANSLATE_NOOP("CoreText", "DEC"),
    QT_TRANSLATE_NOOP("CoreText", "MAG"),
    QT_TRANSLATE_NOOP("CoreText", "\"/min"),
    QT_TRANSLATE_NOOP("CoreText", "\"/hora"),
    QT_TRANSLATE_NOOP("CoreText", "AP"),
    QT_TRANSLATE_NOOP("CoreText", "AM"),
    QT_TRANSLATE_NOOP("CoreText", "D(UA)"),
    QT_TRANSLATE_NOOP("CoreText", "R(UA)"),
    QT_TRANSLATE_NOOP("CoreText", "ELN"),
    QT_TRANSLATE_NOOP("CoreText", "AF"),
    QT_TRANSLATE_NOOP("CoreText", "APC  APA  DIF"),
    QT_TRANSLATE_NOOP("CoreText", "N"),
    QT_TRANSLATE_NOOP("CoreText", "FECHA TU"),
    QT_TRANSLATE_NOOP("CoreText", "COMETA"),
    QT_TRANSLATE_NOOP("CoreText", "OBJETO"),
    QT_TRANSLATE_NOOP("CoreText", "CATALOGO"),
    QT_TRANSLATE_NOOP("CoreText", "INICIO"),
    QT_TRANSLATE_NOOP("CoreText", "FIN"),
    QT_TRANSLATE_NOOP("CoreText", "HORAS"),
    QT_TRANSLATE_NOOP("CoreText", "MEJOR"),
    QT_TRANSLATE_NOOP("CoreText", "ALT"),
    QT_TRANSLATE_NOOP("CoreText", "AZ"),
    QT_TRANSLATE_NOOP("CoreText", "\"/MIN"),
    QT_TRANSLATE_NOOP("CoreText", "LUNA"),
    QT_TRANSLATE_NOOP("CoreText", "EDAD"),
    QT_TRANSLATE_NOOP("CoreText", "PERIH"),
    QT_TRANSLATE_NOOP("CoreText", "Noche del %1 al %2 (%3 a %4 T.U.)"),
    QT_TRANSLATE_NOOP("CoreText", "Lugar: latitud %1°, longitud %2°"),
    QT_TRANSLATE_NOOP("CoreText", "Sin oscuridad esta noche"),
    QT_TRANSLATE_NOOP("CoreText", "Oscuridad (Sol a -%1°): %2 a %3 T.U."),
    QT_TRANSLATE_NOOP("CoreText", "Luna iluminada a medianoche: %1%"),
    QT_TRANSLATE_NOOP("CoreText", "Límites: magnitud %1, altura %2°, %3 min, Luna a %4°"),
    QT_TRANSLATE_NOOP("CoreText", ", Luna bajo el horizonte"),
    QT_TRANSLATE_NOOP("CoreText", "Catálogo no encontrado: %1"),
    QT_TRANSLATE_NOOP("CoreText", "Objetos considerados: %1"),
    QT_TRANSLATE_NOOP("CoreText", "%1 líneas no válidas"),
    QT_TRANSLATE_NOOP("CoreText", "Objetos en la lista: %1"),
    // The tonight window's column captions (outputs/tonight/TonightTexts.cpp)
    QT_TRANSLATE_NOOP("CoreText", "Objeto"),
    QT_TRANSLATE_NOOP("CoreText", "Catálogo"),
    QT_TRANSLATE_NOOP("CoreText", "Mag"),
    QT_TRANSLATE_NOOP("CoreText", "Inicio"),
    QT_TRANSLATE_NOOP("CoreText", "Fin"),
    QT_TRANSLATE_NOOP("CoreText", "Horas"),
    QT_TRANSLATE_NOOP("CoreText", "Mejor"),
    QT_TRANSLATE_NOOP("CoreText", "Alt."),
    QT_TRANSLATE_NOOP("CoreText", "Az."),
    QT_TRANSLATE_NOOP("CoreText", "Elong."),
    QT_TRANSLATE_NOOP("CoreText", "Luna"),
    QT_TRANSLATE_NOOP("CoreText", "Edad"),
    QT_TRANSLATE_NOOP("CoreText", "Perih."),
    // The precise model's title line (core/precise/PreciseSession.h)
    QT_TRANSLATE_NOOP("CoreText", "Modelo preciso (topocéntrico, J2000 astrométrico)"),
    QT_TRANSLATE_NOOP("CoreText", "Modelo preciso (geocéntrico, J2000 astrométrico)"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "Modelo preciso (topocéntrico, J2000 astrométrico, con perturbaciones planetarias)"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "Modelo preciso (geocéntrico, J2000 astrométrico, con perturbaciones planetarias)"),
    // The settings file's messages (settings/SettingsFile.cpp)
    QT_TRANSLATE_NOOP("CoreText", "No se puede leer %1; se usan los valores por omisión"),
    QT_TRANSLATE_NOOP("CoreText", "%1, línea %2: valor no válido; se usa el valor por omisión"),
    QT_TRANSLATE_NOOP("CoreText",
                      "%1, líneas %2: valores no válidos; se usan los valores por omisión"),
    QT_TRANSLATE_NOOP("CoreText", " y "),
    // A text that does not convert (core/Errors.cpp), %1 the text as typed
    QT_TRANSLATE_NOOP("CoreText", "'%1' is not a valid floating point value"),
    QT_TRANSLATE_NOOP("CoreText", "'%1' is not a valid integer value"),
    QT_TRANSLATE_NOOP("CoreText", "'%1' is not a valid date"),
    QT_TRANSLATE_NOOP("CoreText", "'%1' is not a valid time"),
    // Fixed messages of the pure code, shown as they are thrown (core/Errors.h and others)
    QT_TRANSLATE_NOOP("CoreText", "Elementos orbitales no válidos"),
    QT_TRANSLATE_NOOP("CoreText", "Fecha fuera de rango"),
    QT_TRANSLATE_NOOP("CoreText", "La resolución debe ser mayor que 0"),
    QT_TRANSLATE_NOOP("CoreText", "El FWHM debe ser mayor que 0"),
    QT_TRANSLATE_NOOP("CoreText",
                      "Fecha fuera del intervalo del modelo preciso (años 1000 a 2999)"),
    QT_TRANSLATE_NOOP("CoreText", "MPCOrb.dat no encontrado"),
    QT_TRANSLATE_NOOP("CoreText", "Error descargando archivo\n%1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Error descargando archivo %1: %2"),
    // Why a catalog, MPCOrb.dat or the settings file cannot be read (core/ReadableFile.h)
    QT_TRANSLATE_NOOP("CoreText", "No se puede leer %1"),
    QT_TRANSLATE_NOOP("CoreText", "No se puede leer %1: no es un archivo normal"),
    QT_TRANSLATE_NOOP("CoreText", "No se puede leer %1: el archivo pasa de %2 MB"),
    QT_TRANSLATE_NOOP("CoreText", "No se puede leer %1: el archivo cambió durante la lectura"),
    QT_TRANSLATE_NOOP("CoreText",
                      "No se puede leer %1: no es un archivo normal; se usan los valores por "
                      "omisión"),
    // Why a download stopped at one of its bounds (catalogs/download/DownloadPlan.h)
    QT_TRANSLATE_NOOP("CoreText", "el archivo pasa de %1 MB"),
    QT_TRANSLATE_NOOP("CoreText", "la descarga no terminó en %1 s"),
    QT_TRANSLATE_NOOP("CoreText", "sin respuesta del servidor tras %1 s"),
    // Why a download failed (catalogs/download/CatalogDownloader.cpp)
    QT_TRANSLATE_NOOP("CoreText", "el servidor rechazó la conexión"),
    QT_TRANSLATE_NOOP("CoreText", "el servidor cerró la conexión antes de terminar"),
    QT_TRANSLATE_NOOP("CoreText", "no se encontró el servidor %1"),
    QT_TRANSLATE_NOOP("CoreText", "no se pudo establecer la conexión segura con el servidor"),
    QT_TRANSLATE_NOOP("CoreText", "la red no está disponible"),
    QT_TRANSLATE_NOOP("CoreText", "respuesta no válida del servidor"),
    QT_TRANSLATE_NOOP("CoreText", "el servidor no tiene el archivo (HTTP 404)"),
    QT_TRANSLATE_NOOP("CoreText", "el servidor no permite descargarlo (HTTP 403)"),
    QT_TRANSLATE_NOOP("CoreText", "el servidor respondió con error (HTTP %1)"),
    QT_TRANSLATE_NOOP("CoreText", "error de red (código %1)"),
    QT_TRANSLATE_NOOP("CoreText", "cuerpo incompleto: %1 de %2 bytes"),
    QT_TRANSLATE_NOOP("CoreText", "redirección no seguida a %1"),
    // Why a downloaded body is not taken as the catalog (catalogs/CatalogPlausibility.cpp)
    QT_TRANSLATE_NOOP("CoreText", "el servidor envió un archivo vacío"),
    QT_TRANSLATE_NOOP("CoreText", "el servidor envió una página web en lugar del catálogo"),
    QT_TRANSLATE_NOOP("CoreText", "el archivo llegó cortado (su última línea no termina)"),
    QT_TRANSLATE_NOOP("CoreText",
                      "el archivo no es un catálogo de cometas (solo %1 de %2 líneas se leen)"),
    QT_TRANSLATE_NOOP("CoreText",
                      "el archivo no es un catálogo de asteroides (solo %1 de %2 líneas se leen)"),
    // What is wrong with the path given as MPCOrb.dat, and a search that found nothing
    // (catalogs/mpcorb/MpcOrbSearch.cpp)
    QT_TRANSLATE_NOOP("CoreText", "MPCOrb.dat: '%1' sin permiso de lectura"),
    QT_TRANSLATE_NOOP("CoreText", "MPCOrb.dat: '%1' no se puede leer (código %2)"),
    QT_TRANSLATE_NOOP("CoreText", "MPCOrb.dat: '%1' es una carpeta"),
    QT_TRANSLATE_NOOP("CoreText", "MPCOrb.dat: '%1' es una tubería (FIFO), no un archivo"),
    QT_TRANSLATE_NOOP("CoreText", "MPCOrb.dat: '%1' es un socket, no un archivo"),
    QT_TRANSLATE_NOOP("CoreText", "MPCOrb.dat: '%1' es un dispositivo, no un archivo"),
    QT_TRANSLATE_NOOP("CoreText", "Asteroide %1 no encontrado"),
    // A file that could not be written, and why (core/AtomicFile.cpp)
    QT_TRANSLATE_NOOP("CoreText", "No se pudo escribir '%1': %2"),
    QT_TRANSLATE_NOOP("CoreText", "disco lleno"),
    QT_TRANSLATE_NOOP("CoreText", "cuota de disco agotada"),
    QT_TRANSLATE_NOOP("CoreText", "sin permiso de escritura"),
    QT_TRANSLATE_NOOP("CoreText", "la carpeta es de solo lectura"),
    QT_TRANSLATE_NOOP("CoreText", "es una carpeta"),
    QT_TRANSLATE_NOOP("CoreText", "la carpeta no existe"),
    QT_TRANSLATE_NOOP("CoreText", "una parte de la ruta no es una carpeta"),
    QT_TRANSLATE_NOOP("CoreText", "nombre demasiado largo"),
    QT_TRANSLATE_NOOP("CoreText", "demasiados enlaces simbólicos"),
    QT_TRANSLATE_NOOP("CoreText", "archivo demasiado grande"),
    QT_TRANSLATE_NOOP("CoreText", "error de entrada/salida del disco"),
    QT_TRANSLATE_NOOP("CoreText", "el archivo está en uso"),
    QT_TRANSLATE_NOOP("CoreText", "demasiados archivos abiertos"),
    QT_TRANSLATE_NOOP("CoreText", "error del sistema (código %1)"),
    QT_TRANSLATE_NOOP("CoreText", "no es un archivo normal"),
    QT_TRANSLATE_NOOP("CoreText", "enlace simbólico de otro usuario en una carpeta compartida"),
    // A picture that could not be written (pictures/PictureExport.cpp)
    QT_TRANSLATE_NOOP("CoreText", "No se pudo escribir \"%1\": %2"),
    QT_TRANSLATE_NOOP("CoreText", "no se pudo codificar la imagen"),
    // The sample catalogs' copy and the program folder (catalogs/FirstRun.cpp,
    // settings/SettingsFile.cpp)
    QT_TRANSLATE_NOOP("CoreText", "No se pudo leer %1"),
    QT_TRANSLATE_NOOP("CoreText", "No se pudo fechar %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "No se pudo crear la carpeta '%1'"),
};

// The name the language choice shows for a translation, asked of the translation itself so
// that a new translation file brings its own name.
constexpr const char* kLanguageNameContext = "LanguageName";
//: The name of this file's language written in that language, as the language choice of the
//: Settings page lists it: "English", "Français", "Português (Brasil)"...
constexpr const char* kSpanishName = QT_TRANSLATE_NOOP("LanguageName", "Español");

// Where qt_add_translations embeds the compiled translations (its RESOURCE_PREFIX).
const QString kEmbeddedFolder = QStringLiteral(":/i18n");

QString EmbeddedFile(const std::string& code) {
    return kEmbeddedFolder + QStringLiteral("/vagaris_") + QString::fromStdString(code);
}

std::string current(vagaris::kSourceLanguage);
std::unique_ptr<QTranslator> own;  // Vagaris's texts
std::unique_ptr<QTranslator> qt;   // Qt's own texts

void Drop(std::unique_ptr<QTranslator>& translator) {
    if (translator && QCoreApplication::instance())
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

}  // namespace

std::vector<std::string> SystemUiLanguages() {
    std::vector<std::string> out;
    for (const QString& tag : QLocale::system().uiLanguages()) out.push_back(tag.toStdString());
    return out;
}

std::vector<std::string> LanguagesIn(const QString& folder) {
    std::vector<std::string> out{std::string(vagaris::kSourceLanguage)};
    const QStringList files =
        QDir(folder).entryList({QStringLiteral("vagaris_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const std::string code =
            file.mid(8, file.size() - 8 - 3).toStdString();  // between "vagaris_" and ".qm"
        if (vagaris::IsLanguageCode(code) && std::find(out.begin(), out.end(), code) == out.end())
            out.push_back(code);
    }
    std::sort(out.begin() + 1, out.end());
    return out;
}

std::vector<std::string> AvailableLanguages() { return LanguagesIn(kEmbeddedFolder); }

QString LanguageName(const std::string& code) {
    if (code == vagaris::kSourceLanguage) return QString::fromUtf8(kSpanishName);
    QTranslator translator;
    if (translator.load(EmbeddedFile(code))) {
        const QString name = translator.translate(kLanguageNameContext, kSpanishName);
        if (!name.isEmpty()) return name;
    }
    return QString::fromStdString(code);
}

std::string StartLanguage(const std::string& programDir,
                          const std::vector<std::string>& uiLanguages) {
    vagaris::Settings chosen;
    if (!programDir.empty()) (void)vagaris::LoadSettings(programDir, chosen);
    return vagaris::ResolveLanguage(chosen.Language, uiLanguages, AvailableLanguages());
}

bool UseLanguage(const std::string& code) {
    Drop(own);
    Drop(qt);
    current = std::string(vagaris::kSourceLanguage);
    bool loaded = true;
    if (code != vagaris::kSourceLanguage) {
        auto mine = std::make_unique<QTranslator>();
        if (vagaris::IsLanguageCode(code) && mine->load(EmbeddedFile(code))) {
            own = std::move(mine);
            current = code;
        } else {
            loaded = false;  // the interface stays Spanish
        }
    }
    // English is the language of Qt's own texts; the others (standard buttons, file dialogs)
    // come from Debian's Qt translations when they are installed, in English otherwise.
    if (current != "en") {
        auto theirs = std::make_unique<QTranslator>();
        if (theirs->load(QStringLiteral("qtbase_") + QString::fromStdString(current),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            qt = std::move(theirs);
    }
    if (QCoreApplication::instance()) {
        if (qt) QCoreApplication::installTranslator(qt.get());
        if (own) QCoreApplication::installTranslator(own.get());
    }
    return loaded;
}

std::string CurrentLanguage() { return current; }

QLocale InterfaceLocale() {
    if (current == "en") return QLocale(QLocale::English, QLocale::UnitedKingdom);
    if (current == vagaris::kSourceLanguage) return QLocale(QLocale::Spanish, QLocale::Spain);
    return QLocale(QString::fromStdString(current));
}

QString TrCore(const char* spanish) {
    // Straight from the translator, so that vagaris-cli needs no application object.
    if (own) {
        const QString translated = own->translate("CoreText", spanish);
        if (!translated.isEmpty()) return translated;
    }
    return QString::fromUtf8(spanish);
}

std::string TrCoreUtf8(const char* spanish) { return TrCore(spanish).toStdString(); }

QString TrMessage(const vagaris::Message& message) {
    return QString::fromStdString(message.text(TrCoreUtf8));
}

QString TrError(const std::exception& error) {
    return QString::fromStdString(vagaris::ErrorText(error, TrCoreUtf8));
}

vagaris::UnitWords InterfaceUnitWords() {
    const vagaris::UnitWords spanish;
    vagaris::UnitWords out;
    out.au = TrCoreUtf8(spanish.au.c_str());
    out.years = TrCoreUtf8(spanish.years.c_str());
    out.perMinute = TrCoreUtf8(spanish.perMinute.c_str());
    out.perHour = TrCoreUtf8(spanish.perHour.c_str());
    out.seconds = TrCoreUtf8(spanish.seconds.c_str());
    return out;
}
