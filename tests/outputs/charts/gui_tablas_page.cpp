// The Tablas page driven through its widgets: entry state, time and span buttons, the
// quantity and twilight choices, the read-out, the pop-up item, the date picker and saving.
#include <gtest/gtest.h>

#include <QAbstractAxis>
#include <QApplication>
#include <QCalendarWidget>
#include <QChart>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTabWidget>
#include <QToolButton>
#include <QValueAxis>
#include <memory>

#include "core/Session.h"
#include "core/TextForms.h"
#include "core/Time.h"
#include "outputs/charts/ChartSampling.h"
#include "outputs/charts/ChartView.h"
#include "toolkit/AppController.h"
#include "shell/TFAtmo.h"
#include "support/FakeDialogs.h"
#include "support/TestHome.h"

using namespace vagaris;

namespace {

const Instant kT0 = EncodeDate(2011, 1, 1);

class TablasPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        home.copySample("CometsCR.dat");
        session.clock = [] { return kT0; };
        window = std::make_unique<TFAtmo>(session, dialogs);
        window->app().loadCatalog(0);  // the first comet, C/1942 EA (Vaisala), at kT0
        window->show();
        QObject::connect(&window->app(), &AppController::currentInstantChanged,
                         [this](AppController::DateDisplay display) {
                             if (display == AppController::DateDisplay::Rewrite) ++instantShown;
                         });
        page = find<QWidget>("tsTablas");
        chart = find<ChartView>("cTabla");
        enterPage();
        dialogs.clear();
    }

    template <class T>
    T* find(const char* name) {
        T* w = window->findChild<T*>(QString::fromLatin1(name));
        if (!w) ADD_FAILURE() << "no widget " << name;
        return w;
    }
    QString text(const char* name) { return find<QLineEdit>(name)->text(); }
    QString label(const char* name) { return find<QLabel>(name)->text(); }
    void click(const char* name) { find<QAbstractButton>(name)->click(); }

    void enterPage() {
        auto* tabs = find<QTabWidget>("PageControl1");
        tabs->setCurrentIndex(0);
        tabs->setCurrentWidget(page);
    }
    // A pointer move over the chart at chart pixel p.
    void moveTo(QPointF p) {
        QWidget* target = chart->viewport();
        QMouseEvent move(QEvent::MouseMove, p, target->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(target, &move);
    }
    bool panelShown() { return find<QWidget>("Panel5")->isVisibleTo(page); }
    QValueAxis* axisOf(QLineSeries* series) {
        const auto axes = chart->chart()->axes(Qt::Vertical, series);
        return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.front());
    }
    ChartSamples expected(int left, int right, ChartTwilight twilight) {
        return SampleChart(ObserverFromSettings(session.settings), session.Elements,
                           session.Circumstances,
                           {session.CurrentInstant, text("Edit3").toInt(), left, right, twilight});
    }

    TestHome home;
    Session session;
    FakeDialogs dialogs;
    std::unique_ptr<TFAtmo> window;
    QWidget* page = nullptr;
    ChartView* chart = nullptr;
    int instantShown = 0;
};

}  // namespace

TEST_F(TablasPageTest, EntryShowsMagnitudeLeftAndMaxAltitudeRight) {
    // Choices made on the page do not survive leaving it.
    find<QComboBox>("cbDato")->setCurrentIndex(kQuantitySpeed);
    find<QComboBox>("cbDato2")->setCurrentIndex(kQuantityNone);
    enterPage();

    EXPECT_EQ(find<QComboBox>("cbDato")->currentIndex(), kQuantityMagnitude);
    EXPECT_EQ(find<QComboBox>("cbDato2")->currentIndex(), kQuantityMaxAltitude);
    EXPECT_TRUE(find<QGroupBox>("rgCre")->isVisibleTo(page));
    EXPECT_EQ(text("Edit2"), "01/01/2011");
    EXPECT_EQ(text("Edit3"), "320");
    EXPECT_EQ(chart->chart()->title(), "C/1942 EA (Vaisala)");
    EXPECT_EQ(label("Label54"), "Magnitud");
    EXPECT_EQ(label("Label55"), "Alt. máx. (Sol a -18°)");
    EXPECT_EQ(session.CurrentInstant, kT0);

    QValueAxis* left = axisOf(chart->leftSeries());
    QValueAxis* right = axisOf(chart->rightSeries());
    ASSERT_TRUE(left && right);
    EXPECT_TRUE(left->isReverse());
    EXPECT_FALSE(right->isReverse());
    EXPECT_EQ(right->min(), -5);
    EXPECT_EQ(right->max(), 95);

    // The curves hold the samples of the pure computation.
    const ChartSamples s =
        expected(kQuantityMagnitude, kQuantityMaxAltitude, ChartTwilight::Astronomical);
    const auto p1 = chart->leftSeries()->points();
    const auto p2 = chart->rightSeries()->points();
    ASSERT_EQ(p1.size(), 400);
    ASSERT_EQ(p2.size(), 400);
    for (int k = 0; k < 400; ++k) {
        ASSERT_EQ(p1[k].x(), ChartView::axisValue(s.instants[k])) << k;
        ASSERT_EQ(float(p1[k].y()), s.left[k]) << k;
        ASSERT_EQ(float(p2[k].y()), s.right[k]) << k;
    }
    EXPECT_DOUBLE_EQ(left->min(), s.leftAxis.min);
    EXPECT_DOUBLE_EQ(left->max(), s.leftAxis.max);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(TablasPageTest, TimeButtonsMoveTheInstantWithoutRewritingSelección) {
    struct Case {
        const char* button;
        const char* span;
        double days;
    };
    const Case cases[] = {{"Button17", "320", 32},
                          {"Button13", "320", -160},
                          {"Button12", "320", -32},
                          {"Button16", "5", 2}};
    for (const Case& c : cases) {
        find<QLineEdit>("Edit3")->setText(QString::fromLatin1(c.span));
        const Instant before = session.CurrentInstant;
        click(c.button);
        EXPECT_EQ(session.CurrentInstant, before + c.days) << c.button;
        EXPECT_EQ(text("Edit2"),
                  QString::fromStdString(FormatInstant("dd/mm/yyyy", session.CurrentInstant)));
        const auto first = chart->leftSeries()->points().front().x();
        EXPECT_EQ(first, ChartView::axisValue(session.CurrentInstant -
                                              QString::fromLatin1(c.span).toDouble() / 10))
            << c.button;
    }
    EXPECT_EQ(instantShown, 0);
}

TEST_F(TablasPageTest, SpanButtons) {
    struct Case {
        const char* from;
        const char* button;
        const char* to;
    };
    const Case cases[] = {{"320", "Button14", "384"},  {"320", "Button15", "640"},
                          {"320", "Button19", "267"},  {"320", "Button18", "160"},
                          {"3", "Button18", "2"},      {"2", "Button19", "2"},
                          {"1000", "Button23", "320"}, {"60000", "Button15", "100000"}};
    for (const Case& c : cases) {
        find<QLineEdit>("Edit3")->setText(QString::fromLatin1(c.from));
        click(c.button);
        EXPECT_EQ(text("Edit3"), QString::fromLatin1(c.to)) << c.from << " " << c.button;
    }
    EXPECT_EQ(session.CurrentInstant, kT0);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(TablasPageTest, TwilightChoiceAppliesToTheMaxAltitude) {
    click("rbCivil");
    EXPECT_EQ(label("Label55"), "Alt. máx. (Sol a -6°)");
    const ChartSamples s = expected(kQuantityMagnitude, kQuantityMaxAltitude, ChartTwilight::Civil);
    const auto p2 = chart->rightSeries()->points();
    ASSERT_EQ(p2.size(), 400);
    for (int k = 0; k < 400; k += 57) EXPECT_EQ(float(p2[k].y()), s.right[k]) << k;

    // Without "Altura máxima" the twilight group goes away.
    find<QComboBox>("cbDato2")->setCurrentIndex(kQuantityDeclination);
    EXPECT_FALSE(find<QGroupBox>("rgCre")->isVisibleTo(page));
    EXPECT_EQ(label("Label55"), "Declinación");
}

TEST_F(TablasPageTest, NingunaOnBothSidesLeavesAnEmptyPlotAndADateReadout) {
    find<QComboBox>("cbDato")->setCurrentIndex(kQuantityNone);
    find<QComboBox>("cbDato2")->setCurrentIndex(kQuantityNone);
    EXPECT_FALSE(chart->leftSeries()->isVisible());
    EXPECT_FALSE(chart->rightSeries()->isVisible());
    EXPECT_FALSE(axisOf(chart->leftSeries())->isVisible());
    EXPECT_FALSE(axisOf(chart->rightSeries())->isVisible());
    EXPECT_FALSE(find<QGroupBox>("rgCre")->isVisibleTo(page));
    EXPECT_EQ(label("Label54"), "");
    EXPECT_EQ(label("Label55"), "");

    const QRectF area = chart->plotArea();
    moveTo(QPointF(area.left() + 100, area.center().y()));
    EXPECT_TRUE(panelShown());
    EXPECT_FALSE(label("Label57").isEmpty());
    EXPECT_EQ(label("Label58"), "");
    EXPECT_EQ(label("Label59"), "");
}

TEST_F(TablasPageTest, ReadoutFromTheLeftAxisUpToTheRightAxis) {
    const ChartSamples s =
        expected(kQuantityMagnitude, kQuantityMaxAltitude, ChartTwilight::Astronomical);
    const QRectF area = chart->plotArea();
    ASSERT_GT(area.width(), 100);
    EXPECT_FALSE(panelShown());

    moveTo(QPointF(area.left(), area.center().y()));
    EXPECT_TRUE(panelShown());
    EXPECT_EQ(label("Label57"), "30/11/2010 00:00");
    EXPECT_EQ(label("Label58"),
              QString::fromStdString("Magnitud: " + FormatNumber("0.0", s.left[0])));
    EXPECT_EQ(label("Label59"),
              QString::fromStdString("Alt. máx. (Sol a -18°): " + FormatNumber("0.0", s.right[0])));

    moveTo(QPointF(area.right() - 0.01, area.center().y()));
    EXPECT_TRUE(panelShown());
    EXPECT_EQ(label("Label57"), "15/10/2011 04:48");

    // Exactly on the right axis, and outside the plot, the read-out hides but keeps its text.
    moveTo(QPointF(area.right(), area.center().y()));
    EXPECT_FALSE(panelShown());
    moveTo(QPointF(area.left() + 10, area.top() - 1));
    EXPECT_FALSE(panelShown());
    EXPECT_EQ(label("Label57"), "15/10/2011 04:48");
}

TEST_F(TablasPageTest, PopupItemSetsTheReadoutDay) {
    auto* menu = find<QMenu>("PopupMenu1");
    auto* item = menu->findChild<QAction*>("Fijarfecha1");
    ASSERT_TRUE(item);

    // Before any read-out there is no date to take.
    emit menu->aboutToShow();
    EXPECT_EQ(item->text(), "Fijar fecha");
    EXPECT_FALSE(item->isEnabled());
    item->trigger();
    EXPECT_EQ(session.CurrentInstant, kT0);

    const QRectF area = chart->plotArea();
    moveTo(QPointF(area.left(), area.center().y()));
    emit menu->aboutToShow();
    EXPECT_EQ(item->text(), "Fijar Fecha: 30/11/2010");
    EXPECT_TRUE(item->isEnabled());
    item->trigger();
    EXPECT_EQ(session.CurrentInstant, EncodeDate(2010, 11, 30));
    EXPECT_EQ(instantShown, 1);
    EXPECT_EQ(text("Edit2"), "30/11/2010");
}

TEST_F(TablasPageTest, DatePickerSetsTheInstantAndRebuilds) {
    QDate offered;
    dialogs.onExec = [&](QDialog& d) {
        auto* calendar = d.findChild<QCalendarWidget*>();
        if (!calendar) return int(QDialog::Rejected);
        offered = calendar->selectedDate();
        calendar->setSelectedDate(QDate(2011, 5, 10));
        return int(QDialog::Accepted);
    };
    click("Button20");
    EXPECT_EQ(offered, QDate(2011, 1, 1));
    EXPECT_EQ(session.CurrentInstant, EncodeDate(2011, 5, 10));
    EXPECT_EQ(text("Edit2"), "10/05/2011");
    EXPECT_EQ(instantShown, 0);

    dialogs.onExec = [](QDialog&) { return int(QDialog::Rejected); };
    click("Button20");
    EXPECT_EQ(session.CurrentInstant, EncodeDate(2011, 5, 10));
}

TEST_F(TablasPageTest, PictureHasFewColoursAndIsSavedAsGifOrBmp) {
    const QImage picture = chart->picture();
    EXPECT_EQ(picture.size(), QSize(ChartView::kWidth, ChartView::kHeight));
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) colours.insert(picture.pixel(x, y) | 0xff000000u);
    EXPECT_LE(colours.size(), 256);
    EXPECT_TRUE(colours.contains(qRgb(255, 0, 0)));    // the left curve
    EXPECT_TRUE(colours.contains(qRgb(128, 128, 0)));  // the right curve

    auto firstBytes = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.read(4) : QByteArray();
    };
    const QString dir = QString::fromStdString(home.dir.string());
    dialogs.saveAnswers = {dir + "/chart.gif", dir + "/upper.GIF", dir + "/chart.bmp", ""};
    for (int k = 0; k < 4; ++k) click("SpeedButton20");
    EXPECT_EQ(dialogs.lastSaveProposed, "C1942EA_Mag");
    EXPECT_EQ(dialogs.lastSaveDefaultExt, "gif");
    EXPECT_EQ(dialogs.lastSaveFilter, "Gif (*.gif)|*.gif|Bitmaps (*.bmp)|*.bmp");
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.texts("error").join("; ").toStdString();

    EXPECT_TRUE(firstBytes(dir + "/chart.gif").startsWith("GIF8"));
    EXPECT_TRUE(firstBytes(dir + "/upper.GIF").startsWith("GIF8"));
    EXPECT_TRUE(firstBytes(dir + "/chart.bmp").startsWith("BM"));
    const QImage decoded(dir + "/chart.gif", "GIF");
    EXPECT_EQ(decoded.size(), picture.size());
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), picture);
    EXPECT_EQ(session.CurrentInstant, kT0);
}

TEST_F(TablasPageTest, ObjectChoiceMovesTheWindowToThePresent) {
    session.clock = [] { return EncodeDate(2012, 6, 1); };
    auto* selector = find<QComboBox>("ComboBox4");
    ASSERT_GT(selector->count(), 2);
    selector->setCurrentIndex(2);
    emit selector->activated(2);  // the user's choice
    EXPECT_EQ(session.SelectorIndex, 2);
    EXPECT_EQ(session.CurrentInstant, EncodeDate(2012, 6, 1));
    EXPECT_EQ(text("Edit2"), "01/06/2012");
    EXPECT_EQ(chart->chart()->title(), selector->itemText(2).trimmed());
    EXPECT_EQ(chart->leftSeries()->points().front().x(),
              ChartView::axisValue(EncodeDate(2012, 6, 1) - 32));
}

TEST_F(TablasPageTest, FailingSampleShowsItsMessageAndEmptiesTheCurves) {
    session.Elements.e = "0.9x";
    click("Button17");
    EXPECT_EQ(dialogs.texts("error").size(), 1);
    EXPECT_EQ(session.CurrentInstant, kT0 + 32);  // the step stands, the borrow is undone
    EXPECT_EQ(chart->leftSeries()->count(), 0);
    EXPECT_EQ(chart->rightSeries()->count(), 0);
    const QRectF area = chart->plotArea();
    moveTo(QPointF(area.left() + 10, area.center().y()));
    EXPECT_FALSE(panelShown());
}
