// The search box of the Selección page: Edit5, Button3 and what a hit does to the window.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <memory>

#include "core/Session.h"
#include "core/Time.h"
#include "shell/TFAtmo.h"
#include "support/FakeDialogs.h"
#include "support/TestHome.h"

namespace {

const char* const kSelectors[] = {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4"};

class SearchBox : public ::testing::Test {
protected:
    void SetUp() override {
        session.clock = [] { return vagaris::EncodeDate(2023, 3, 1) + 0.25; };
        window = std::make_unique<TFAtmo>(session, dialogs);
        session.settings.MpcOrbPath = VAGARIS_SAMPLES_DIR "/MPCORB.excerpt.dat";
        // A catalog is loaded first, as a user would have done.
        home.copySample("NeosAndUnusualCR.dat");
        auto* radio = window->findChild<QRadioButton*>("rbNEO");
        radio->setChecked(true);
        QMouseEvent up(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                       Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(radio, &up);
        // The user then picks another day; the search must keep it.
        session.CurrentInstant = vagaris::EncodeDate(2023, 2, 20) + 0.75;
        dialogs.clear();
    }
    void search(const QString& typed) {
        auto* edit = window->findChild<QLineEdit*>("Edit5");
        edit->setText(QString());
        edit->insert(typed);  // as typed: the box upper-cases letters
        window->findChild<QPushButton*>("Button3")->click();
    }
    QString box(const char* name) { return window->findChild<QLineEdit*>(name)->text(); }
    QComboBox* selector(const char* name) { return window->findChild<QComboBox*>(name); }

    TestHome home;
    vagaris::Session session;
    FakeDialogs dialogs;
    std::unique_ptr<TFAtmo> window;
};

TEST_F(SearchBox, AHitBecomesTheCurrentObjectAloneInTheSelectors) {
    const double instant = session.CurrentInstant;
    search("ceres");
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front().text.toStdString();
    for (const char* name : kSelectors) {
        SCOPED_TRACE(name);
        QComboBox* combo = selector(name);
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(combo->count(), 1);
        EXPECT_EQ(combo->currentText(), "(1) Ceres");
        EXPECT_FALSE(combo->isEnabled());
    }
    const std::pair<const char*, const char*> boxes[] = {{"eFecha", "2023 02 25.0"},
                                                         {"eM", "17.21569"},
                                                         {"ea", "2.7671817"},
                                                         {"eq", ""},
                                                         {"ee", "0.0788175"},
                                                         {"ew", "73.47045"},
                                                         {"eO", "80.26013"},
                                                         {"ei", "10.58634"},
                                                         {"eH", "3.33"},
                                                         {"eG", "0.15"}};
    for (const auto& [name, text] : boxes) EXPECT_EQ(box(name), text) << name;
    for (const char* rb : {"rbCom", "rbNEO", "rbCrit", "rbLej", "rbBri"})
        EXPECT_FALSE(window->findChild<QRadioButton*>(rb)->isChecked()) << rb;
    EXPECT_EQ(session.CatalogKind, 'A');
    EXPECT_EQ(session.CurrentInstant, instant);
    EXPECT_EQ(session.ObjectName, "(1) Ceres");  // the computation ran

    // Previous / next on the orbit page: a single entry, nothing moves.
    for (const char* name : {"SpeedButton4", "SpeedButton14"}) {
        auto* button = window->findChild<QAbstractButton*>(name);
        if (!button) continue;
        button->click();
        EXPECT_EQ(session.CurrentInstant, instant) << name;
        EXPECT_EQ(selector("ComboBox1")->currentText(), "(1) Ceres") << name;
        EXPECT_EQ(box("eFecha"), "2023 02 25.0") << name;
    }
}

TEST_F(SearchBox, KeysOfTheTypedText) {
    const std::pair<const char*, const char*> cases[] = {
        {"1", "(1) Ceres"},          {"10", "(10) Hygiea"},    {"a1955", "(101955) Bennu"},
        {"A1955", "(101955) Bennu"}, {"1999 HV1", "1999 HV1"}, {"gany", "(1036) Ganymed"},
    };
    for (const auto& [typed, name] : cases) {
        search(typed);
        EXPECT_TRUE(dialogs.shown.empty()) << typed;
        EXPECT_EQ(selector("ComboBox1")->currentText(), name) << typed;
        dialogs.clear();
    }
}

TEST_F(SearchBox, MissesAndMissingFileChangeNothing) {
    const auto before = session.Elements;
    const auto names = session.SelectorNames;
    search("2004");  // the number (2004), absent; designations of 2004 do not count
    EXPECT_EQ(dialogs.texts("error"), QStringList{"Asteroide 2004 no encontrado"});
    search("nadie");
    EXPECT_EQ(dialogs.texts("error").last(), "Asteroide NADIE no encontrado");
    dialogs.clear();
    search("");
    EXPECT_TRUE(dialogs.shown.empty());

    session.settings.MpcOrbPath = home.programDir() + "MPCOrb.dat";
    search("1");
    EXPECT_EQ(dialogs.texts("error"), QStringList{"MPCOrb.dat no encontrado"});
    // A folder chosen by mistake is named as one.
    session.settings.MpcOrbPath = home.dir.string();
    dialogs.clear();
    search("1");
    EXPECT_EQ(dialogs.texts("error"),
              QStringList{QString::fromStdString("MPCOrb.dat: '" + home.dir.string() +
                                                 "' es una carpeta")});
    EXPECT_EQ(session.Elements, before);
    EXPECT_EQ(session.SelectorNames, names);
    EXPECT_TRUE(selector("ComboBox1")->isEnabled());
    EXPECT_TRUE(window->findChild<QRadioButton*>("rbNEO")->isChecked());
}

}  // namespace
