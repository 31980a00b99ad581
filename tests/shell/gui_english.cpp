// The window in English: every page opens with its English name, no text of the translation
// file is left in Spanish on any page, and the longer English captions still show whole.
// (The rest of the window's tests run in Spanish, the language of the sources.)
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <algorithm>
#include <fstream>
#include <map>

#include "shell/ShellTestWindow.h"
#include "translations/Translations.h"
#include "support/TempFolder.h"
#include "support/TranslationFile.h"

namespace {

// English for the whole test, Spanish again afterwards for whatever runs next.
struct InEnglish : ::testing::Test {
    void SetUp() override { ASSERT_TRUE(UseLanguage("en")); }
    void TearDown() override { UseLanguage("es"); }
};

// Every text a user reads on `root` and its children, with where it was found.
std::vector<std::pair<QString, QString>> VisibleTexts(QWidget* root) {
    std::vector<std::pair<QString, QString>> out;
    auto where = [](const QObject* o, const char* what) {
        return QStringLiteral("%1 (%2 %3)")
            .arg(o->objectName(), QString::fromLatin1(o->metaObject()->className()),
                 QString::fromLatin1(what));
    };
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (auto* l = qobject_cast<QLabel*>(w)) out.push_back({l->text(), where(w, "text")});
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            out.push_back({b->text(), where(w, "text")});
            out.push_back({b->toolTip(), where(w, "tool tip")});
        }
        if (auto* g = qobject_cast<QGroupBox*>(w)) out.push_back({g->title(), where(w, "title")});
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i) out.push_back({c->itemText(i), where(w, "item")});
        if (auto* t = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < t->count(); ++i) out.push_back({t->tabText(i), where(w, "tab")});
        if (w->isWindow()) out.push_back({w->windowTitle(), where(w, "caption")});
    }
    return out;
}

// The Spanish texts of the translation file whose English differs: on an English window,
// any of them still shown is a text the translation missed. (The language's own name is
// not one: the language choice shows "Español" in every language.)
std::map<QString, QString> SpanishSources() {
    std::map<QString, QString> out;
    for (const TsEntry& e : ReadTsFile(VAGARIS_SOURCE_DIR "/translations/vagaris_en.ts"))
        if (e.translation != e.source && e.context != "LanguageName")
            out[QString::fromStdString(e.source)] = QString::fromStdString(e.translation);
    return out;
}

TEST_F(InEnglish, EveryPageOpensWithItsEnglishName) {
    ShellTestWindow w;
    std::ofstream(w.home.dir / "modext.txt").close();  // every page shown
    w.openOnPage("Suelo");
    QStringList names;
    for (int i = 0; i < w.pages()->count(); ++i) {
        w.pages()->setCurrentIndex(i);
        QApplication::processEvents();
        EXPECT_EQ(w.pages()->currentIndex(), i);
        EXPECT_TRUE(w.pages()->widget(i)->isVisible()) << i;
        names << w.pages()->tabText(i);
    }
    EXPECT_EQ(names, (QStringList{"Selection", "Orbit", "e/a", "Charts", "Ephemeris", "Anti-tail?",
                                  "Downloads", "Settings"}));
    EXPECT_TRUE(w.dialogs.texts("error").isEmpty())
        << w.dialogs.texts("error").join('\n').toStdString();
}

TEST_F(InEnglish, NoTextLeftInSpanish) {
    const auto spanish = SpanishSources();
    ASSERT_FALSE(spanish.empty());
    ShellTestWindow w;
    std::ofstream(w.home.dir / "modext.txt").close();
    w.openOnPage("Suelo");
    for (int i = 0; i < w.pages()->count(); ++i) {
        w.pages()->setCurrentIndex(i);
        QApplication::processEvents();
    }
    // The tonight window, opened from the Selección page, is a window of its own.
    w.pages()->setCurrentIndex(0);
    QApplication::processEvents();
    auto* tonightButton = w.window->findChild<QAbstractButton*>(QStringLiteral("btnQueObservar"));
    ASSERT_NE(tonightButton, nullptr);
    EXPECT_EQ(tonightButton->text(), "What to observe?");
    tonightButton->click();
    QApplication::processEvents();
    QWidget* tonight = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QStringLiteral("TonightWindow")) tonight = top;
    ASSERT_NE(tonight, nullptr);
    EXPECT_EQ(tonight->windowTitle(), "What to observe?");
    auto texts = VisibleTexts(w.window.get());
    for (auto& t : VisibleTexts(tonight)) texts.push_back(t);
    // The labels of the tonight window's form rows are plain QLabels made by the layout.
    for (const auto& [text, where] : texts) {
        const auto found = spanish.find(text);
        EXPECT_TRUE(found == spanish.end())
            << where.toStdString() << " shows \"" << text.toStdString() << "\", in English \""
            << found->second.toStdString() << "\"";
    }
    // The texts the pure code builds come through the same file.
    EXPECT_EQ(w.text("LabelAr"), "RA:");
    EXPECT_EQ(w.text("LabelRadioVector"), "Sun distance:");
    EXPECT_EQ(w.text("LabelAltura"), "Max. altitude (Sun -18°):");
    // The language choice names each language in its own words, each from its own file.
    auto* language = w.window->findChild<QComboBox*>(QStringLiteral("cbIdioma"));
    ASSERT_NE(language, nullptr);
    QStringList items, codes;
    for (int i = 0; i < language->count(); ++i) {
        items << language->itemText(i);
        codes << language->itemData(i).toString();
    }
    ASSERT_GE(items.size(), 3);
    EXPECT_EQ(items.mid(0, 3), (QStringList{"Automatic", "Español", "English"}));
    EXPECT_EQ(codes.mid(0, 3), (QStringList{"auto", "es", "en"}));
    QStringList expectedCodes{"auto"};
    for (const std::string& code : AvailableLanguages())
        expectedCodes << QString::fromStdString(code);
    EXPECT_EQ(codes, expectedCodes);
}

TEST_F(InEnglish, LongerCaptionsShowWhole) {
    ShellTestWindow w;
    std::ofstream(w.home.dir / "modext.txt").close();
    w.openOnPage("Suelo");
    QTabBar* bar = w.pages()->tabBar();
    for (int i = 0; i < bar->count(); ++i)
        EXPECT_GE(bar->tabRect(i).width(), bar->fontMetrics().horizontalAdvance(bar->tabText(i)))
            << bar->tabText(i).toStdString();
    for (int i = 0; i < w.pages()->count(); ++i) {
        w.pages()->setCurrentIndex(i);
        QApplication::processEvents();
        for (QLabel* label : w.pages()->widget(i)->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->text().isEmpty() || label->wordWrap()) continue;
            EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
                << label->objectName().toStdString() << " \"" << label->text().toStdString()
                << "\"";
        }
    }
}

// The languages of the build: Spanish, the sources' language, first; then every embedded
// translation, English among them, each able to name itself.
// The precise model's line is built by the pure code each time the results are shown.
TEST_F(InEnglish, PreciseModelLine) {
    ShellTestWindow w;
    w.openOnPage("tsConf");
    auto* model = w.find<QComboBox>("cbModelo");
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->currentText(), "Standard");
    ChooseWithKeys(model, 1);
    EXPECT_EQ(model->currentText(), "Precise");
    EXPECT_EQ(w.text("lbModeloPreciso"),
              "Precise model (topocentric, J2000 astrometric, with planetary perturbations)");
}

// A message the pure code gives with the results (here a resolution of 0 from a settings
// file written by hand) reaches its box in English.
TEST_F(InEnglish, ResultMessageInEnglish) {
    ShellTestWindow w;
    w.openOnPage("Suelo");
    w.session.settings.Res = "0";
    w.window->app().computeR();
    EXPECT_EQ(w.dialogs.texts("error"), QStringList{"The resolution must be greater than 0"});
}

TEST(AvailableLanguages, SpanishThenEveryEmbeddedTranslation) {
    const std::vector<std::string> codes = AvailableLanguages();
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.front(), "es");
    EXPECT_NE(std::find(codes.begin(), codes.end(), "en"), codes.end());
    for (const std::string& code : codes) {
        EXPECT_TRUE(vagaris::IsLanguageCode(code)) << code;
        EXPECT_NE(LanguageName(code), QString::fromStdString(code)) << code << " has no name";
    }
    EXPECT_EQ(LanguageName("es"), "Español");
    EXPECT_EQ(LanguageName("en"), "English");
    EXPECT_EQ(LanguageName("xx"), "xx");  // no such translation: its code
}

// A compiled translation dropped beside the others is a language; other files are not.
TEST(AvailableLanguages, EveryWellNamedCompiledTranslationOfAFolder) {
    const vagaris::test::TempFolder folder;
    for (const char* name : {"vagaris_pt_BR.qm", "vagaris_fr.qm", "vagaris_en.qm", "vagaris_EN.qm",
                             "vagaris_pt-PT.qm", "vagaris_de.ts", "qtbase_it.qm", "vagaris_.qm"})
        std::ofstream(folder.dir / name).close();
    EXPECT_EQ(LanguagesIn(QString::fromStdString(folder.dir.string())),
              (std::vector<std::string>{"es", "en", "fr", "pt_BR"}));
    EXPECT_EQ(LanguagesIn(QString::fromStdString((folder.dir / "none").string())),
              (std::vector<std::string>{"es"}));
}

// The language the window starts in: settings line 12 when this build has it, else the
// system's.
TEST(StartLanguage, SettingsLineTwelveThenTheSystem) {
    const vagaris::test::TempFolder folder;
    const std::string dir = folder.dir.string() + "/";
    EXPECT_EQ(StartLanguage(dir, {"en-US"}), "en");  // no settings file yet
    EXPECT_EQ(StartLanguage(dir, {"C"}), "es");
    const std::string nine = "+40\r\n0000\r\n2.7\r\n5.0\r\n000\r\n0\r\n\r\nPOL\r\nSM\r\n";
    const struct {
        const char* line12;
        const char* system;
        const char* expected;
    } cases[] = {
        {"en", "es-ES", "en"},
        {"es", "en-GB", "es"},
        {"auto", "en-GB", "en"},
        {"auto", "C", "es"},
        // A language this build does not have reads as "auto", and so does a bad value.
        {"xx", "en-GB", "en"},
        {"xx", "es-ES", "es"},
        {"EN", "en-GB", "en"},
    };
    for (const auto& c : cases) {
        std::ofstream(folder.dir / "vagaris.ini", std::ios::binary) << nine << "+000.0\r\nmag\r\n"
                                                                    << c.line12 << "\r\n";
        EXPECT_EQ(StartLanguage(dir, {c.system}), c.expected) << c.line12 << ' ' << c.system;
    }
}

}  // namespace
