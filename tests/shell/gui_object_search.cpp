// Finding an object by typing into one of the four object selectors: the objects whose name
// contains the text are offered (case and accents ignored), and choosing one is the same as
// choosing it from the list.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>

#include "catalogs/LineFormats.h"
#include "catalogs/SessionCatalog.h"
#include "core/Circumstances.h"
#include "toolkit/ContainsCompleter.h"
#include "shell/ShellTestWindow.h"

namespace {

constexpr const char* kHaleBopp = "C/1995 O1 (Hale-Bopp)";

// What the completer of `box` offers after `typed` was typed into it, key by key.
QStringList Offered(QComboBox* box, const QString& typed) {
    QLineEdit* edit = box->lineEdit();
    EXPECT_NE(edit, nullptr) << box->objectName().toStdString() << " takes no typed text";
    if (!edit || !box->completer()) return {};
    TypeKeys(edit, typed);
    QApplication::processEvents();
    QStringList out;
    const QAbstractItemModel* offered = box->completer()->popup()->model();
    for (int r = 0; r < offered->rowCount(); ++r) out << offered->index(r, 0).data().toString();
    return out;
}

// The Selección results of object `index` of the sample comets at `t`, on a session of its own.
vagaris::SelectionTexts ExpectedTexts(int index, vagaris::Instant t) {
    vagaris::Session s;
    s.CatalogKind = 'C';
    s.CatalogLines = vagaris::ReadCatalogLines(std::string(VAGARIS_SAMPLES_DIR) + "/CometsCR.dat");
    vagaris::CutCatalogLine(s, index);
    s.CurrentInstant = t;
    EXPECT_TRUE(vagaris::ComputeCircumstances(s, vagaris::CircumstanceMode::R));
    return vagaris::SelectionPageTexts(s);
}

TEST(ContainsCompleter, FoldsCaseAndAccentsTheSameWayForEveryText) {
    const struct {
        const char* text;
        const char* folded;
    } cases[] = {
        {"Hale-Bopp", "hale-bopp"},
        {"Cáceres", "caceres"},
        {"BÉKÉSCSABA", "bekescsaba"},
        {"Šteins", "steins"},
        {"ÅNGSTRÖM", "angstrom"},
        {"ﬁnsen", "finsen"},  // a ligature as its letters
        {"C/2023 A3 (Tsuchinshan-ATLAS)", "c/2023 a3 (tsuchinshan-atlas)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FoldForMatching(QString::fromUtf8(c.text)), QString::fromUtf8(c.folded))
            << c.text;
}

TEST(ContainsCompleter, OffersEveryItemContainingTheTypedText) {
    QWidget window;
    auto* box = new QComboBox(&window);
    box->addItems({QStringLiteral("Cáceres, Spain"), QStringLiteral("Alcalá de Henares, Spain"),
                   QStringLiteral("Caceres Norte"), QStringLiteral("Madrid, Spain")});
    InstallContainsCompleter(box);
    window.show();
    // Case and accents ignored on both sides, anywhere in the name.
    EXPECT_EQ(Offered(box, QStringLiteral("CACER")),
              (QStringList{QStringLiteral("Cáceres, Spain"), QStringLiteral("Caceres Norte")}));
    EXPECT_EQ(Offered(box, QStringLiteral("alá")),
              QStringList{QStringLiteral("Alcalá de Henares, Spain")});
    EXPECT_EQ(Offered(box, QStringLiteral("spain")).size(), 3);
    EXPECT_TRUE(Offered(box, QStringLiteral("Lisboa")).isEmpty());
    // A text typed but never chosen leaves no item chosen and is not kept in the box.
    EXPECT_EQ(box->count(), 4);
    box->setCurrentIndex(3);
    TypeKeys(box->lineEdit(), QStringLiteral("Lisb"));
    box->lineEdit()->editingFinished();
    for (int k = 0; k < 3; ++k) QApplication::processEvents();
    EXPECT_EQ(box->currentIndex(), 3);
    EXPECT_EQ(box->lineEdit()->text(), QStringLiteral("Madrid, Spain"));
}

class ObjectSearch : public ::testing::Test {
protected:
    ShellTestWindow w;
    void SetUp() override { w.openOnPage("Suelo"); }
};

TEST_F(ObjectSearch, EverySelectorOffersTheNamesContainingTheText) {
    for (const char* name : {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4"}) {
        SCOPED_TRACE(name);
        auto* box = w.window->findChild<QComboBox*>(QString::fromLatin1(name));
        ASSERT_NE(box, nullptr);
        ASSERT_EQ(box->count(), 955);
        // The page of the selector is the visible one, as when the user types into it.
        for (QWidget* p = box->parentWidget(); p; p = p->parentWidget())
            if (w.pages()->indexOf(p) >= 0) w.pages()->setCurrentWidget(p);
        const QStringList hale = Offered(box, QStringLiteral("hale"));
        EXPECT_TRUE(hale.contains(QString::fromLatin1(kHaleBopp))) << hale.join('|').toStdString();
        for (const QString& offered : hale)
            EXPECT_TRUE(offered.contains(QStringLiteral("hale"), Qt::CaseInsensitive))
                << offered.toStdString();
        // Accents typed where the name has none, and upper case, find it too.
        EXPECT_TRUE(Offered(box, QStringLiteral("BÓPP")).contains(QString::fromLatin1(kHaleBopp)));
        // The typed text is never added to the list.
        EXPECT_EQ(box->count(), 955);
    }
}

TEST_F(ObjectSearch, ChoosingAnOfferedObjectIsChoosingItFromTheList) {
    QComboBox* selector = w.find<QComboBox>("ComboBox1");
    const int haleBopp = selector->findText(QString::fromLatin1(kHaleBopp));
    ASSERT_GT(haleBopp, 0);
    ASSERT_NE(w.session.SelectorIndex, haleBopp);
    w.session.CurrentInstant += 30;  // the choice takes the present time again
    w.now += 0.5;

    const QStringList offered = Offered(selector, QStringLiteral("hale-b"));
    ASSERT_EQ(offered, QStringList{QString::fromLatin1(kHaleBopp)});
    // Down to the offered entry and Enter, as the keyboard chooses it.
    QAbstractItemView* popup = selector->completer()->popup();
    ASSERT_TRUE(popup->isVisible());
    PressKey(popup, Qt::Key_Down);
    PressKey(popup, Qt::Key_Return);
    QApplication::processEvents();

    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(w.session.SelectorIndex, haleBopp);
    EXPECT_EQ(w.session.ObjectName, kHaleBopp);
    EXPECT_EQ(w.session.CurrentInstant, w.now);
    EXPECT_EQ(selector->currentIndex(), haleBopp);
    EXPECT_EQ(selector->lineEdit()->text(), QString::fromLatin1(kHaleBopp));
    // Every other selector follows, and the results are those of the object at the present.
    for (const char* name : {"ComboBox2", "ComboBox3", "ComboBox4"})
        EXPECT_EQ(w.window->findChild<QComboBox*>(QString::fromLatin1(name))->currentIndex(),
                  haleBopp)
            << name;
    EXPECT_EQ(w.text("eq"), QStringLiteral("0.922046"));
    for (const auto& value : ExpectedTexts(haleBopp, w.now).values) {
        const char* label = vagaris::InfoOf(value.quantity).objectName;
        EXPECT_EQ(w.text(label).toStdString(), value.text) << label;
    }
    EXPECT_TRUE(w.dialogs.shown.empty());
}

}  // namespace
