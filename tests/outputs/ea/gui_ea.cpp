// The "e/a" page and the Tisserand calculator driven through their widgets.
#include <gtest/gtest.h>

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QTabWidget>
#include <QValueAxis>
#include <fstream>
#include <memory>

#include "core/Session.h"
#include "core/Time.h"
#include "toolkit/AppController.h"
#include "shell/TFAtmo.h"
#include "tests/outputs/antitail/SyntheticComets.h"
#include "support/FakeDialogs.h"
#include "support/FindWidget.h"
#include "support/TestHome.h"

using namespace vagaris;

namespace {

class EaPageTest : public ::testing::Test {
protected:
    TestHome home;
    FakeDialogs dialogs;
    Session session;
    std::unique_ptr<TFAtmo> window;

    // A window in extended mode; with comets, their catalog is loaded (object 0 chosen).
    void start(const std::vector<synthetic::Comet>& comets = {}) {
        std::ofstream(home.dir / "457.txt").flush();
        session.clock = [] { return EncodeDate(2011, 3, 10) + 0.5; };
        if (!comets.empty()) {
            std::ofstream file(home.dir / "CometsCR.dat", std::ios::binary);
            for (const auto& c : comets) file << synthetic::Line(c) << "\r\n";
        }
        window = std::make_unique<TFAtmo>(session, dialogs);
        if (!comets.empty()) window->app().loadCatalog(0);
    }
    template <class T>
    T* find(const char* name) {
        return vagaris::test::FindWidget<T>(*window, name);
    }
    QTabWidget* tabs() { return find<QTabWidget>("PageControl1"); }
    void enterPage() { tabs()->setCurrentWidget(find<QWidget>("tsAE")); }
    QChart* chart() { return find<QChartView>("Chart1")->chart(); }
    QScatterSeries* series3() { return chart()->findChild<QScatterSeries*>("Series3"); }
    QString label() { return find<QLabel>("Label63")->text(); }
    int visibleOutlineSegments() {
        int n = 0;
        for (auto* s : chart()->series())
            if (s->objectName().startsWith("Outline") && s->isVisible()) ++n;
        return n;
    }
    // Fills the calculator's fields, then closes it with "Cerrar" or otherwise.
    void answerCalculator(const QString& e, const QString& a, const QString& i, bool cerrar,
                          const QString& name = {}) {
        dialogs.onExec = [=](QDialog& d) {
            if (!name.isEmpty()) d.findChild<QLineEdit*>("Edit1")->setText(name);
            if (!e.isEmpty()) d.findChild<QLineEdit*>("MaskEdit1")->setText(e);
            if (!a.isEmpty()) d.findChild<QLineEdit*>("MaskEdit2")->setText(a);
            if (!i.isEmpty()) d.findChild<QLineEdit*>("MaskEdit3")->setText(i);
            if (cerrar)
                d.findChild<QPushButton*>("Button1")->click();
            else
                d.reject();
            return d.result();
        };
    }
    void repaintWindow() {
        window->show();
        window->repaint();
        QCoreApplication::processEvents();
    }
};

synthetic::Comet Parabolic() {
    synthetic::Comet c;
    c.name = "C/2011 P1 (Parabolico)";
    c.q = 0.5, c.e = 1.0, c.i = 10.0;
    return c;
}

synthetic::Comet Elliptic() {
    synthetic::Comet c;
    c.name = "P/2011 E1 (Eliptico)";
    c.q = 1.5, c.e = 0.5, c.i = 20.0;  // a = 3
    return c;
}

TEST_F(EaPageTest, FixedAxesAndOutlineWithoutAnObject) {
    start();
    enterPage();
    EXPECT_TRUE(label().isEmpty());
    EXPECT_EQ(series3()->count(), 0);
    EXPECT_EQ(visibleOutlineSegments(), 7);
    EXPECT_FALSE(chart()->legend()->isVisible());
    auto* axisA = qobject_cast<QValueAxis*>(chart()->axes(Qt::Horizontal).value(0));
    auto* axisE = qobject_cast<QValueAxis*>(chart()->axes(Qt::Vertical).value(0));
    ASSERT_TRUE(axisA && axisE);
    EXPECT_EQ(axisA->min(), 0.0);
    EXPECT_EQ(axisA->max(), 10.0);
    EXPECT_EQ(axisA->tickCount(), 11);
    EXPECT_EQ(axisE->min(), 0.0);
    EXPECT_EQ(axisE->max(), 1.0);
    EXPECT_EQ(axisE->tickCount(), 11);
    EXPECT_TRUE(find<QLabel>("Label63")->font().bold());
}

TEST_F(EaPageTest, CerrarPlotsTheDialogDefaults) {
    start();
    enterPage();
    answerCalculator({}, {}, {}, true);
    find<QPushButton>("Button8")->click();
    EXPECT_EQ(label(), "Calculado     a: 3.00     e: 0.50     Tj: 2.97");
    ASSERT_EQ(series3()->count(), 1);
    EXPECT_FLOAT_EQ(series3()->at(0).x(), 3.0f);
    EXPECT_FLOAT_EQ(series3()->at(0).y(), 0.5f);
    EXPECT_EQ(visibleOutlineSegments(), 7);
}

TEST_F(EaPageTest, OtherClosingChangesNothingAndFieldsAreKept) {
    start();
    enterPage();
    QDialog* first = nullptr;
    answerCalculator("0.60000", "3.5000", "010.000", false);
    dialogs.onExec = [&, inner = dialogs.onExec](QDialog& d) {
        first = &d;
        return inner(d);
    };
    find<QPushButton>("Button8")->click();
    EXPECT_TRUE(label().isEmpty());
    EXPECT_EQ(series3()->count(), 0);

    // The same dialog again, with the values typed last time: "Cerrar" computes them.
    QString typedA;
    dialogs.onExec = [&](QDialog& d) {
        EXPECT_EQ(&d, first);
        typedA = d.findChild<QLineEdit*>("MaskEdit2")->text();
        d.findChild<QPushButton*>("Button1")->click();
        return d.result();
    };
    find<QPushButton>("Button8")->click();
    EXPECT_EQ(typedA, "3.5000");
    EXPECT_EQ(label(), "Calculado     a: 3.50     e: 0.60     Tj: 2.78");
}

TEST_F(EaPageTest, UndefinedTjFromTheDialog) {
    start();
    enterPage();
    answerCalculator("0.50000", "0.0000", "020.000", true, "Cero");
    find<QPushButton>("Button8")->click();
    EXPECT_EQ(label(), "Cero     a: 0.00     e: 0.50     Tj: ---");
}

TEST_F(EaPageTest, EntryAndObjectChangeRebuildRepaintDoesNot) {
    start({Parabolic(), Elliptic()});
    enterPage();
    EXPECT_TRUE(label().startsWith("C/2011 P1 (Parabolico)     a: -4993")) << label().toStdString();
    EXPECT_TRUE(label().endsWith("     e: 1.00     Tj: 0.86")) << label().toStdString();
    ASSERT_EQ(series3()->count(), 1);  // off the plot
    EXPECT_LT(series3()->at(0).x(), 0.0);

    // The typed orbit stays through repaints of the window.
    answerCalculator("0.60000", "3.5000", "010.000", true);
    find<QPushButton>("Button8")->click();
    repaintWindow();
    EXPECT_EQ(label(), "Calculado     a: 3.50     e: 0.60     Tj: 2.78");

    // The user's choice in ComboBox3 makes object 1 current everywhere and rebuilds.
    auto* combo = find<QComboBox>("ComboBox3");
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    EXPECT_EQ(session.SelectorIndex, 1);
    EXPECT_EQ(find<QComboBox>("ComboBox1")->currentIndex(), 1);
    EXPECT_TRUE(label().startsWith("P/2011 E1 (Eliptico)     a: 3.00     e: 0.50     Tj: "))
        << label().toStdString();
    EXPECT_FLOAT_EQ(series3()->at(0).x(), 3.0f);

    // Leaving and entering again rebuilds from the selected object.
    answerCalculator({}, {}, {}, true);
    find<QPushButton>("Button8")->click();
    tabs()->setCurrentIndex(0);
    enterPage();
    EXPECT_TRUE(label().startsWith("P/2011 E1 (Eliptico)")) << label().toStdString();
}

TEST_F(EaPageTest, ConversionErrorIsReportedOnceAndEmptiesTheChart) {
    start();
    session.Elements.Name = "Roto";
    session.Elements.q = "1.0";
    session.Elements.e = "0.5x";
    session.Elements.i = "3";
    enterPage();
    EXPECT_EQ(dialogs.texts("error"), QStringList({"'0.5x' is not a valid floating point value"}));
    EXPECT_EQ(series3()->count(), 0);
    EXPECT_TRUE(label().isEmpty());
    EXPECT_EQ(visibleOutlineSegments(), 0);
    repaintWindow();
    EXPECT_EQ(dialogs.texts("error").size(), 1);
}

// After a rebuild stopped by a conversion error, closing the calculator (any way) draws the
// outline again, as it does after every opening.
TEST_F(EaPageTest, OutlineIsDrawnAgainWhenTheCalculatorCloses) {
    start();
    session.Elements.Name = "Roto";
    session.Elements.a = "2.5";
    session.Elements.e = "0.1";
    session.Elements.i = "x";
    enterPage();
    ASSERT_EQ(visibleOutlineSegments(), 0);
    answerCalculator({}, {}, {}, false);
    find<QPushButton>("Button8")->click();
    EXPECT_EQ(visibleOutlineSegments(), 7);
    EXPECT_EQ(series3()->count(), 0);

    enterPage();  // nothing happens: already the page
    tabs()->setCurrentIndex(0);
    enterPage();
    EXPECT_EQ(visibleOutlineSegments(), 0);
    answerCalculator({}, {}, {}, true);
    find<QPushButton>("Button8")->click();
    EXPECT_EQ(visibleOutlineSegments(), 7);
    EXPECT_EQ(label(), "Calculado     a: 3.00     e: 0.50     Tj: 2.97");
}

// Puts `shown` into a masked box as a user would leave it: "_" marks a position the user
// emptied with the Delete key (setText alone would close such gaps).
void typeMasked(QLineEdit* edit, const QString& shown) {
    QString filled = shown;
    filled.replace(QLatin1Char('_'), QLatin1Char('0'));
    edit->setText(filled);
    for (int k = 0; k < shown.size(); ++k)
        if (shown[k] == QLatin1Char('_')) {
            edit->setCursorPosition(k);
            edit->del();
        }
}

// The calculator with odd values in every field and every way of closing: an error box where
// a field does not convert (the dialog stays open and nothing is plotted), "---" where Tj is
// undefined, and the page still answers.
TEST_F(EaPageTest, CalculatorWithOddValuesNeverCrashes) {
    start({Elliptic()});
    enterPage();
    const QString objectLabel = label();
    struct Case {
        const char* e;
        const char* a;
        const char* i;
        const char* label;  // nullptr: a conversion error, nothing plotted
    };
    const Case cases[] = {
        {"1.5_5__", "3.0000", "020.000", nullptr},  // a blank inside the number
        {"0.50000", "3._5__", "020.000", nullptr},
        {"0.50000", "3.0000", "0_0.000", nullptr},
        {"_._____", "3.0000", "000.000", "X     a: 3.00     e: 0.00     Tj: 3.25"},  // all blank: 0
        {"0.50000", "0.0000", "020.000", "X     a: 0.00     e: 0.50     Tj: ---"},
        {"0.50000", "_.____", "020.000", "X     a: 0.00     e: 0.50     Tj: ---"},
        {"1.50000", "3.0000", "020.000", "X     a: 3.00     e: 1.50     Tj: ---"},
        {"1.00000", "3.0000", "020.000", "X     a: 3.00     e: 1.00     Tj: ---"},
        {"9.99999", "9.9999", "999.999", "X     a: 10.00     e: 10.00     Tj: ---"},
        {"0.00000", "9.9999", "180.000", "X     a: 10.00     e: 0.00     Tj: -2.25"},
        {"abcdefg", "3.0000", "020.000",
         "X     a: 3.00     e: 0.00     Tj: 3.16"},  // letters kept out
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.e) + " " + c.a + " " + c.i);
        dialogs.clear();
        find<QComboBox>("ComboBox3")->activated(0);  // back to the object's point
        ASSERT_EQ(label(), objectLabel);
        int result = -1;
        dialogs.onExec = [&](QDialog& d) {
            d.setResult(0);  // as exec() does on every opening
            d.findChild<QLineEdit*>("Edit1")->setText("X");
            typeMasked(d.findChild<QLineEdit*>("MaskEdit1"), c.e);
            typeMasked(d.findChild<QLineEdit*>("MaskEdit2"), c.a);
            typeMasked(d.findChild<QLineEdit*>("MaskEdit3"), c.i);
            d.findChild<QPushButton*>("Button1")->click();
            result = d.result();
            if (result != QDialog::Accepted) d.reject();  // the title bar's close button
            return d.result();
        };
        find<QPushButton>("Button8")->click();
        if (c.label) {
            EXPECT_EQ(result, QDialog::Accepted);
            EXPECT_TRUE(dialogs.shown.empty());
            EXPECT_EQ(label().toStdString(), c.label);
            EXPECT_EQ(series3()->count(), 1);
        } else {
            EXPECT_NE(result, QDialog::Accepted);
            ASSERT_EQ(dialogs.texts("error").size(), 1);
            EXPECT_TRUE(dialogs.texts("error")[0].endsWith("is not a valid floating point value"))
                << dialogs.texts("error")[0].toStdString();
            EXPECT_EQ(label(), objectLabel);
        }
        EXPECT_EQ(visibleOutlineSegments(), 7);
    }
}

}  // namespace
