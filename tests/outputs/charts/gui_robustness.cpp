// A user pressing every button of the Tablas page, the spans pushed to their cap with "++"
// and down to their floor with "- -", the window moved far in time, every quantity on both
// sides, the pointer swept over the chart, the pop-up item, the picker and the picture saved
// where it can and cannot be written: nothing crashes or hangs, the read-only boxes take no
// typing, and the chart always holds its 400 samples.
#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QGroupBox>
#include <QLineSeries>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <filesystem>

#include "core/TextForms.h"
#include "outputs/charts/ChartQuantities.h"
#include "outputs/charts/ChartSampling.h"
#include "outputs/charts/ChartView.h"
#include "toolkit/AppController.h"
#include "shell/ShellTestWindow.h"

using namespace vagaris;

namespace {

class TablasRobustness : public ::testing::Test {
protected:
    ShellTestWindow w;
    QWidget* page = nullptr;
    ChartView* chart = nullptr;

    void SetUp() override {
        page = w.openOnPage("tsTablas");
        ASSERT_NE(page, nullptr);
        chart = child<ChartView>("cTabla");
    }

    template <class T>
    T* child(const char* name) {
        return PageChild<T>(page, name);
    }
    QString text(const char* name) { return child<QLineEdit>(name)->text(); }
    void click(const char* name) { child<QAbstractButton>(name)->click(); }
    void moveTo(QPointF p) {
        QWidget* target = chart->viewport();
        QMouseEvent move(QEvent::MouseMove, p, target->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(target, &move);
    }
    bool panelShown() { return child<QWidget>("Panel5")->isVisibleTo(page); }
    void expectFullChart() {
        EXPECT_EQ(chart->leftSeries()->count(), kChartSampleCount);
        EXPECT_EQ(chart->rightSeries()->count(), kChartSampleCount);
        EXPECT_EQ(text("Edit2"),
                  QString::fromStdString(FormatInstant("dd/mm/yyyy", w.session.CurrentInstant)));
    }
    std::string errors() const { return w.dialogs.texts("error").join("; ").toStdString(); }
};

}  // namespace

TEST_F(TablasRobustness, SpansPushedToTheCapAndDownToTheFloor) {
    const Instant instant = w.session.CurrentInstant;
    int previous = text("Edit3").toInt();
    for (int k = 0; k < 12; ++k) {  // 320 · 2^9 passes the cap
        click("Button15");          // "++"
        const int now = text("Edit3").toInt();
        EXPECT_EQ(now, std::min(2 * previous, kMaxChartSpanDays));
        previous = now;
        expectFullChart();
    }
    EXPECT_EQ(text("Edit3"), "100000");
    click("Button14");  // "+" at the cap
    EXPECT_EQ(text("Edit3"), "100000");

    // The read-out over the widest window still reads real dates.
    const QRectF area = chart->plotArea();
    for (double x = area.left(); x < area.right(); x += area.width() / 7) {
        moveTo(QPointF(x, area.center().y()));
        ASSERT_TRUE(panelShown());
        const std::string date = child<QLabel>("Label57")->text().toStdString();
        EXPECT_NO_THROW(ParseDateText(date.substr(0, 10))) << date;
    }

    for (int k = 0; k < 20; ++k) click("Button18");  // "- -"
    EXPECT_EQ(text("Edit3"), "2");
    click("Button19");  // "-" at the floor
    EXPECT_EQ(text("Edit3"), "2");
    expectFullChart();
    click("Button23");
    EXPECT_EQ(text("Edit3"), "320");

    // The span boxes take no typing.
    for (const char* name : {"Edit2", "Edit3"}) {
        QLineEdit* box = child<QLineEdit>(name);
        const QString before = box->text();
        box->setFocus(Qt::MouseFocusReason);
        for (int key : {int(Qt::Key_Backspace), int(Qt::Key_9), int(Qt::Key_Delete)})
            PressKey(box, key);
        EXPECT_EQ(box->text(), before) << name;
    }
    EXPECT_EQ(w.session.CurrentInstant, instant);
    EXPECT_TRUE(w.dialogs.shown.empty()) << errors();
}

TEST_F(TablasRobustness, TimeButtonsFarIntoThePastAndFutureAndBack) {
    const Instant instant = w.session.CurrentInstant;
    for (int k = 0; k < 10; ++k) click("Button15");
    ASSERT_EQ(text("Edit3"), "100000");
    // Each "<<" and ">>" moves half the span: 50000 days.
    for (const char* button : {"Button16", "Button13", "Button13", "Button16", "Button17",
                               "Button12", "Button12", "Button17"}) {
        click(button);
        expectFullChart();
    }
    EXPECT_NEAR(w.session.CurrentInstant, instant, 1e-6);
    EXPECT_TRUE(w.dialogs.shown.empty()) << errors();
}

TEST_F(TablasRobustness, EveryQuantityOnBothSidesAndEveryTwilight) {
    auto* left = child<QComboBox>("cbDato");
    auto* right = child<QComboBox>("cbDato2");
    auto* twilight = child<QGroupBox>("rgCre");
    // Every item on the left beside "Altura máxima", then every item on the right beside
    // "-Ninguna-".
    auto expectChart = [&](int l, int r) {
        SCOPED_TRACE(std::to_string(l) + " " + std::to_string(r));
        expectFullChart();
        EXPECT_EQ(twilight->isVisibleTo(page), l == 1 || r == 1);
        EXPECT_EQ(chart->leftSeries()->isVisible(), l != kQuantityNone);
        EXPECT_EQ(chart->rightSeries()->isVisible(), r != kQuantityNone);
        EXPECT_EQ(child<QLabel>("Label54")->text().toStdString(),
                  ChartQuantityTitle(l, ChartTwilight::Astronomical));
    };
    for (int l = 0; l < kChartQuantityCount; ++l) {
        ChooseWithKeys(left, l);
        expectChart(l, kQuantityMaxAltitude);
    }
    for (int r = kChartQuantityCount - 1; r >= 0; --r) {
        ChooseWithKeys(right, r);
        expectChart(kQuantityNone, r);
    }
    ChooseWithKeys(left, kQuantityMaxAltitude);
    const struct {
        const char* radio;
        const char* title;
    } radios[] = {{"rbNau", "Alt. máx. (Sol a -12°)"},
                  {"rbCivil", "Alt. máx. (Sol a -6°)"},
                  {"rbAstro", "Alt. máx. (Sol a -18°)"}};
    for (const auto& r : radios) {
        ClickWithMouse(child<QRadioButton>(r.radio));
        EXPECT_EQ(child<QLabel>("Label54")->text(), QString::fromUtf8(r.title));
    }
    EXPECT_TRUE(w.dialogs.shown.empty()) << errors();
}

TEST_F(TablasRobustness, PointerPopupPickerObjectAndPictureAnswer) {
    // The pointer swept across and around the plot: shown inside, hidden outside.
    const QRectF area = chart->plotArea();
    for (double x = area.left() - 20; x <= area.right() + 20; x += 3.7) {
        moveTo(QPointF(x, area.center().y()));
        EXPECT_EQ(panelShown(), x >= area.left() && x < area.right()) << x;
    }
    moveTo(QPointF(area.center().x(), area.bottom() + 1));
    EXPECT_FALSE(panelShown());

    // The pop-up after the last read-out inside the plot.
    moveTo(QPointF(area.left() + 1, area.center().y()));
    auto* menu = child<QMenu>("PopupMenu1");
    auto* item = menu->findChild<QAction*>("Fijarfecha1");
    ASSERT_NE(item, nullptr);
    emit menu->aboutToShow();
    const QString date = child<QLabel>("Label57")->text().left(10);
    EXPECT_EQ(item->text(), "Fijar Fecha: " + date);
    item->trigger();
    EXPECT_EQ(text("Edit2"), date);
    EXPECT_EQ(w.text("meFecha"), date);  // the Selección boxes follow
    EXPECT_EQ(w.text("meHora"), "00:00:00");
    expectFullChart();

    // The picker, cancelled then accepted.
    click("Button20");
    EXPECT_EQ(text("Edit2"), date);
    w.dialogs.onExec = [](QDialog& d) {
        auto* calendar = d.findChild<QCalendarWidget*>();
        if (!calendar) return int(QDialog::Rejected);
        calendar->setSelectedDate(QDate(2005, 2, 28));
        return int(QDialog::Accepted);
    };
    click("Button20");
    EXPECT_EQ(text("Edit2"), "28/02/2005");
    EXPECT_EQ(w.session.CurrentInstant, EncodeDate(2005, 2, 28));
    w.dialogs.onExec = nullptr;

    // Another object chosen with the keys: its window lies around the present.
    auto* objects = child<QComboBox>("ComboBox4");
    ASSERT_GT(objects->count(), 4);
    ChooseWithKeys(objects, 4);
    EXPECT_EQ(w.session.SelectorIndex, 4);
    EXPECT_EQ(w.session.CurrentInstant, w.now);
    EXPECT_EQ(chart->chart()->title(), objects->itemText(4).trimmed());
    expectFullChart();
    EXPECT_TRUE(w.dialogs.shown.empty()) << errors();

    // The picture: cancelled, into a folder that does not exist (an error box), then saved.
    const auto missing = w.home.dir / "no-such-folder" / "chart.gif";
    const auto path = w.home.dir / "chart.bmp";
    w.dialogs.saveAnswers = {QString(), QString::fromStdString(missing.string()),
                             QString::fromStdString(path.string())};
    for (int k = 0; k < 3; ++k) click("SpeedButton20");
    EXPECT_EQ(w.dialogs.texts("error").size(), 1) << errors();
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_TRUE(std::filesystem::exists(path));
    expectFullChart();
}
