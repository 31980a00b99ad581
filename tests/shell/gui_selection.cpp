// The Selección page: catalog loading by the radio buttons, the object selectors, the result
// labels, the missing and old catalog files, the date and time boxes and the step buttons.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <filesystem>

#include "catalogs/LineFormats.h"
#include "catalogs/SessionCatalog.h"
#include "core/Circumstances.h"
#include "core/TextForms.h"
#include "toolkit/AppController.h"
#include "shell/ShellTestWindow.h"

namespace {

const std::string kSamples = VAGARIS_SAMPLES_DIR;

// What the page must show for object `index` of a sample catalog at instant `t`, computed on
// a session of its own.
struct Expected {
    vagaris::TOrbitalElements elements;
    vagaris::SelectionTexts texts;
};
Expected Compute(const std::string& file, char kind, int index, vagaris::Instant t,
                 const vagaris::Settings& settings = {}) {
    vagaris::Session s;
    s.settings = settings;
    s.CatalogKind = kind;
    s.CatalogLines = vagaris::ReadCatalogLines(kSamples + "/" + file);
    vagaris::CutCatalogLine(s, index);
    s.CurrentInstant = t;
    EXPECT_TRUE(vagaris::ComputeCircumstances(s, vagaris::CircumstanceMode::R));
    return {s.Elements, vagaris::SelectionPageTexts(s)};
}

class SelectionPage : public ::testing::Test {
protected:
    ShellTestWindow w;

    void expectPageShows(const Expected& expected) {
        const auto& el = expected.elements;
        EXPECT_EQ(w.text("eFecha").toStdString(), el.Fecha);
        EXPECT_EQ(w.text("eq").toStdString(), el.q);
        EXPECT_EQ(w.text("ea").toStdString(), el.a);
        EXPECT_EQ(w.text("eM").toStdString(), el.M);
        EXPECT_EQ(w.text("ee").toStdString(), el.e);
        EXPECT_EQ(w.text("ew").toStdString(), el.w);
        EXPECT_EQ(w.text("eO").toStdString(), el.O);
        EXPECT_EQ(w.text("ei").toStdString(), el.i);
        EXPECT_EQ(w.text("eH").toStdString(), el.H);
        EXPECT_EQ(w.text("eG").toStdString(), el.G);
        ASSERT_FALSE(expected.texts.values.empty());
        for (const auto& value : expected.texts.values) {
            const vagaris::SelectionQuantityInfo& info = vagaris::InfoOf(value.quantity);
            EXPECT_EQ(w.text(info.objectName).toStdString(), value.text) << info.objectName;
            if (*info.captionName) {
                EXPECT_EQ(w.text(info.captionName).toStdString(), info.caption) << info.captionName;
            }
        }
    }
    QComboBox* selector() { return w.find<QComboBox>("ComboBox1"); }
};

TEST_F(SelectionPage, ResultsStartAsPlaceholdersAndTheDateShowsTheClock) {
    w.open();
    for (const char* label : {"Label12", "Label13", "Label34", "Label35", "Label14", "Label15",
                              "Label38", "Label39", "Label69", "Label70", "Label71", "Label72"})
        EXPECT_EQ(w.text(label), "---") << label;
    EXPECT_EQ(w.text("meFecha"), "01/05/2024");
    EXPECT_EQ(w.text("meHora"), "21:30:00");
    EXPECT_EQ(w.currentPage(), "Suelo");
    EXPECT_EQ(selector()->count(), 0);
    EXPECT_TRUE(w.dialogs.shown.empty());
}

TEST_F(SelectionPage, ElementCaptionsDrawOmegaNodeAndInclinationAsGreekLetters) {
    w.open();
    QStringList captions;
    for (const QLabel* label : w.find<QWidget>("Panel3")->findChildren<QLabel*>())
        if (label->objectName().isEmpty()) captions << label->text();
    EXPECT_EQ(captions, (QStringList{"Epoca", "M", "a", "q", "e:", "ω", "Ω", "ι", "H", "G"}));
}

TEST_F(SelectionPage, MouseReleaseOnCometasLoadsTheCatalogAndComputesObjectZero) {
    w.home.copySample("CometsCR.dat");
    w.open();
    ClickWithMouse(w.find<QRadioButton>("rbCom"));

    const auto lines = vagaris::ReadCatalogLines(kSamples + "/CometsCR.dat");
    ASSERT_EQ(selector()->count(), int(lines.size()));
    EXPECT_EQ(selector()->currentIndex(), 0);
    EXPECT_EQ(selector()->itemText(0).toStdString(), vagaris::Trim(lines[0].substr(0, 40)));
    EXPECT_EQ(w.session.CatalogKind, 'C');
    EXPECT_EQ(w.session.CometLines.size(), lines.size());
    expectPageShows(Compute("CometsCR.dat", 'C', 0, w.now));
    EXPECT_TRUE(w.dialogs.shown.empty());
}

TEST_F(SelectionPage, EveryMinorPlanetCatalogLoadsWithItsLayout) {
    const struct {
        const char* radio;
        const char* file;
    } catalogs[] = {{"rbNEO", "NeosAndUnusualCR.dat"},
                    {"rbCrit", "CriticalListCR.dat"},
                    {"rbLej", "DistantObjectsCR.dat"},
                    {"rbBri", "BrightMinorPlanetsCR.dat"}};
    for (const auto& c : catalogs) w.home.copySample(c.file);
    w.home.copySample("CometsCR.dat");
    w.open();
    ClickWithMouse(w.find<QRadioButton>("rbCom"));
    w.session.AntiTail.append("a line of a search", {});
    for (const auto& c : catalogs) {
        SCOPED_TRACE(c.file);
        bool cleared = false;
        auto connection = QObject::connect(&w.window->app(), &AppController::catalogReplaced,
                                           [&] { cleared = true; });
        ClickWithMouse(w.find<QRadioButton>(c.radio));
        QObject::disconnect(connection);
        EXPECT_TRUE(cleared);
        EXPECT_EQ(w.session.CatalogKind, 'A');
        EXPECT_TRUE(w.session.CometLines.empty());
        EXPECT_TRUE(w.session.AntiTail.lines().empty());
        expectPageShows(Compute(c.file, 'A', 0, w.now));
    }
}

TEST_F(SelectionPage, ChoosingAnObjectMovesEveryBoundSelectorAndResetsTheInstant) {
    w.home.copySample("NeosAndUnusualCR.dat");
    w.open();
    QComboBox other;  // stands for the selector of another page
    w.window->app().bindObjectSelector(&other);
    ClickWithMouse(w.find<QRadioButton>("rbNEO"));
    ASSERT_EQ(other.count(), selector()->count());

    w.now += 2.25;  // the choice takes the present time again
    ChooseWithKeys(&other, 3);
    EXPECT_EQ(selector()->currentIndex(), 3);
    EXPECT_EQ(w.session.CurrentInstant, w.now);
    expectPageShows(Compute("NeosAndUnusualCR.dat", 'A', 3, w.now));

    ChooseWithKeys(selector(), 5);
    EXPECT_EQ(other.currentIndex(), 5);
    expectPageShows(Compute("NeosAndUnusualCR.dat", 'A', 5, w.now));
}

TEST_F(SelectionPage, MissingFileTellsTheUserAndKeepsThePreviousCatalog) {
    w.home.copySample("DistantObjectsCR.dat");
    w.open();
    ClickWithMouse(w.find<QRadioButton>("rbLej"));
    const int count = selector()->count();
    const auto elements = w.session.Elements;
    const QString ar = w.text("Label12");

    ClickWithMouse(w.find<QRadioButton>("rbCom"));
    EXPECT_EQ(w.dialogs.texts("message"), QStringList{"Archivo no encontrado"});
    EXPECT_EQ(w.dialogs.texts("error"),
              QStringList{"Archivo de elementos orbitales no encontrado"});
    ASSERT_EQ(w.dialogs.shown.size(), 2u);
    EXPECT_EQ(w.dialogs.shown[0].kind, "message");  // the plain message comes first
    EXPECT_EQ(w.currentPage(), "tsDescargas");
    EXPECT_EQ(selector()->count(), count);
    EXPECT_EQ(w.session.CatalogKind, 'A');
    EXPECT_EQ(w.session.Elements, elements);
    EXPECT_EQ(w.text("Label12"), ar);
}

TEST_F(SelectionPage, FileAgeWarningRoundsDaysHalfToEven) {
    w.home.copySample("BrightMinorPlanetsCR.dat");
    w.open();
    const QString path = QString::fromStdString((w.home.dir / "BrightMinorPlanetsCR.dat").string());
    const QDateTime modified(QDate(2024, 4, 20), QTime(6, 0), Qt::UTC);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    }
    const double modifiedInstant = 25569.0 + modified.toMSecsSinceEpoch() / 86400000.0;
    const struct {
        double ageDays;
        const char* warning;  // nullptr: none
    } cases[] = {{10.4, nullptr},
                 {10.5, nullptr},
                 {10.6, "Archivo descargado hace 11 días"},
                 {11.5, "Archivo descargado hace 12 días"},
                 {-30.0, nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ageDays);
        w.dialogs.clear();
        w.now = modifiedInstant + c.ageDays;
        ClickWithMouse(w.find<QRadioButton>("rbBri"));
        if (c.warning)
            EXPECT_EQ(w.dialogs.texts("warning"), QStringList{QString::fromUtf8(c.warning)});
        else
            EXPECT_TRUE(w.dialogs.texts("warning").isEmpty());
        // Loading goes on after the warning.
        EXPECT_GT(selector()->count(), 0);
        EXPECT_EQ(w.session.CurrentInstant, w.now);
    }
}

TEST_F(SelectionPage, LoadingEmptiesTheSearchBox) {
    w.home.copySample("CriticalListCR.dat");
    w.open();
    auto* search = w.find<QLineEdit>("Edit5");
    search->setText("CERES");
    ClickWithMouse(w.find<QRadioButton>("rbCrit"));
    EXPECT_EQ(search->text(), "");
}

TEST_F(SelectionPage, SpaceLoadsTheFocusedCatalogButArrowsOnlyMoveTheCheck) {
    w.home.copySample("CometsCR.dat");
    w.home.copySample("NeosAndUnusualCR.dat");
    w.open();
    auto* rbCom = w.find<QRadioButton>("rbCom");
    rbCom->setFocus();
    PressKey(rbCom, Qt::Key_Space);
    EXPECT_TRUE(rbCom->isChecked());
    EXPECT_EQ(w.session.CatalogKind, 'C');
    const int comets = selector()->count();

    PressKey(rbCom, Qt::Key_Down);
    EXPECT_EQ(w.session.CatalogKind, 'C');
    EXPECT_EQ(selector()->count(), comets);
}

TEST_F(SelectionPage, DateBoxKeepsTheFocusOnAnImpossibleDate) {
    w.open();
    ASSERT_TRUE(w.window->isActiveWindow());
    auto* fecha = w.find<QLineEdit>("meFecha");
    auto* calcular = w.find<QPushButton>("Button1");
    TypeAndLeave(fecha, "29/02/2011", calcular);
    EXPECT_EQ(QApplication::focusWidget(), fecha);
    TypeAndLeave(fecha, "29/02/2012", calcular);
    EXPECT_EQ(QApplication::focusWidget(), calcular);
    EXPECT_TRUE(w.dialogs.shown.empty());
    // Leaving the box does not change the instant; only "Calcular" reads it.
    EXPECT_EQ(w.session.CurrentInstant, w.now);
}

TEST_F(SelectionPage, TwoInvalidBoxesDoNotPassTheFocusBackAndForth) {
    w.open();
    auto* fecha = w.find<QLineEdit>("meFecha");
    auto* hora = w.find<QLineEdit>("meHora");
    // An invalid time left behind by switching pages (the box is hidden, nothing to hold).
    hora->setFocus(Qt::MouseFocusReason);
    hora->setText("23:60:00");
    w.pages()->setCurrentWidget(w.find<QWidget>("tsConf"));
    QApplication::processEvents();
    w.pages()->setCurrentWidget(w.find<QWidget>("Suelo"));
    QApplication::processEvents();

    TypeAndLeave(fecha, "29/02/2011", hora);
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    QWidget* settled = QApplication::focusWidget();
    EXPECT_TRUE(settled == fecha || settled == hora);
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), settled);
    }
}

TEST_F(SelectionPage, TimeBoxLetsMidnightThroughButCalcularRejectsIt) {
    w.open();
    auto* hora = w.find<QLineEdit>("meHora");
    auto* calcular = w.find<QPushButton>("Button1");
    TypeAndLeave(hora, "23:60:00", calcular);
    EXPECT_EQ(QApplication::focusWidget(), hora);
    TypeAndLeave(hora, "24:00:00", calcular);
    EXPECT_EQ(QApplication::focusWidget(), calcular);
    EXPECT_TRUE(w.dialogs.shown.empty());

    calcular->click();
    ASSERT_EQ(w.dialogs.texts("error").size(), 1);
    EXPECT_TRUE(w.dialogs.texts("error")[0].contains("24:00:00"));
    EXPECT_EQ(w.session.CurrentInstant, w.now);
}

TEST_F(SelectionPage, CalcularComputesForTheTypedInstant) {
    w.home.copySample("CometsCR.dat");
    w.open();
    ClickWithMouse(w.find<QRadioButton>("rbCom"));
    auto* calcular = w.find<QPushButton>("Button1");
    TypeAndLeave(w.find<QLineEdit>("meFecha"), "15/08/2025", calcular);
    TypeAndLeave(w.find<QLineEdit>("meHora"), "03:04:05", calcular);
    calcular->click();
    const vagaris::Instant typed = vagaris::EncodeDate(2025, 8, 15) + vagaris::EncodeTime(3, 4, 5);
    EXPECT_DOUBLE_EQ(w.session.CurrentInstant, typed);
    expectPageShows(Compute("CometsCR.dat", 'C', 0, typed));

    w.find<QPushButton>("Button6")->click();  // "Ahora"
    EXPECT_EQ(w.text("meFecha"), "01/05/2024");
    expectPageShows(Compute("CometsCR.dat", 'C', 0, w.now));
}

TEST_F(SelectionPage, StepButtonsMoveByCalendarMonths) {
    w.home.copySample("CometsCR.dat");
    w.open();
    ClickWithMouse(w.find<QRadioButton>("rbCom"));
    auto* calcular = w.find<QPushButton>("Button1");
    TypeAndLeave(w.find<QLineEdit>("meFecha"), "31/01/2024", calcular);
    TypeAndLeave(w.find<QLineEdit>("meHora"), "10:00:00", calcular);
    calcular->click();
    ChooseWithKeys(w.find<QComboBox>("cbClase2"), 1);  // "Meses"
    EXPECT_EQ(w.window->app().stepUnitIndex(), 1);

    auto* plus = w.find<QToolButton>("SpeedButton5");
    auto* minus = w.find<QToolButton>("SpeedButton10");
    plus->click();
    EXPECT_EQ(w.text("meFecha"), "29/02/2024");
    EXPECT_EQ(w.text("meHora"), "10:00:00");
    plus->click();
    EXPECT_EQ(w.text("meFecha"), "29/03/2024");
    expectPageShows(Compute("CometsCR.dat", 'C', 0, w.session.CurrentInstant));

    ChooseWithKeys(w.find<QComboBox>("cbDias2"), 4);  // 10
    minus->click();
    EXPECT_EQ(w.text("meFecha"), "29/05/2023");
    ChooseWithKeys(w.find<QComboBox>("cbClase2"), 5);  // minutes
    plus->click();
    EXPECT_EQ(w.text("meHora"), "10:10:00");
    EXPECT_TRUE(w.dialogs.shown.empty());
}

// The page, the command-line tool and its JSON find the results through the table: every
// row's value label and caption label exist on the page under the table's objectNames, and a
// fresh page shows the polar display's captions.
TEST_F(SelectionPage, ResultLabelsCarryTheTablesObjectNames) {
    w.open();
    QWidget* page = w.find<QWidget>("Suelo");
    for (const vagaris::SelectionQuantityInfo& info : vagaris::kSelectionQuantities) {
        EXPECT_EQ(page->findChildren<QLabel*>(info.objectName).size(), 1) << info.objectName;
        if (!*info.captionName) continue;
        EXPECT_EQ(page->findChildren<QLabel*>(info.captionName).size(), 1) << info.captionName;
        const bool cartesian = info.quantity == vagaris::SelectionQuantity::MotionRA ||
                               info.quantity == vagaris::SelectionQuantity::MotionDec;
        if (!cartesian) {
            EXPECT_EQ(w.text(info.captionName), QString::fromUtf8(info.caption));
        }
    }
}

TEST_F(SelectionPage, StepTwinsFollowTheSharedIndices) {
    w.open();
    auto& app = w.window->app();
    app.setStepAmountIndex(6);
    app.setStepUnitIndex(0);
    EXPECT_EQ(w.find<QComboBox>("cbDias2")->currentText(), "30");
    EXPECT_EQ(w.find<QComboBox>("cbClase2")->currentText(), "Años");
}

TEST_F(SelectionPage, ShowingThePageAgainRecomputesWithTheCurrentSettings) {
    w.home.copySample("CometsCR.dat");
    w.open();
    ClickWithMouse(w.find<QRadioButton>("rbCom"));
    EXPECT_EQ(w.text("Label66"), "Velocidad aparente:");
    w.pages()->setCurrentWidget(w.find<QWidget>("tsConf"));
    ClickWithMouse(w.find<QRadioButton>("rbCCarte"));
    w.pages()->setCurrentWidget(w.find<QWidget>("Suelo"));
    EXPECT_EQ(w.text("Label66"), "Vel. aparente AR:");
    EXPECT_FALSE(w.session.settings.Polar);
    expectPageShows(Compute("CometsCR.dat", 'C', 0, w.now, w.session.settings));
}

}  // namespace
