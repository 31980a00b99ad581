// The Orbita page: its controls, the view's state, stepping, and saving pictures.
#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QSet>
#include <filesystem>

#include "core/Angles.h"
#include "gif/GifDecl.h"
#include "orbitview/OrbitaPage.h"
#include "orbitview/OrbitTestWindow.h"
#include "pictures/GifFromImage.h"

namespace fs = std::filesystem;
using vagaris::RedrawMode;

namespace {

const QSet<QRgb> kViewColours = {qRgb(0, 0, 128),     qRgb(0, 255, 255), qRgb(255, 0, 255),
                                 qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(255, 255, 0),
                                 qRgb(0, 0, 0)};

QSet<QRgb> ColoursOf(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) colours.insert(rgb.pixel(x, y) | 0xff000000u);
    return colours;
}

bool SamePixels(const QImage& a, const QImage& b) {
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TEST(OrbitaPage, StartState) {
    OrbitTestWindow w;
    w.open();
    QWidget* box = w.paintBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->size(), QSize(430, 469));
    EXPECT_EQ(box->cursor().shape(), Qt::PointingHandCursor);
    const struct {
        const char* name;
        int min, max, value;
    } bars[] = {{"ScrollBar1", 0, 360, 0}, {"ScrollBar2", 5, 1000, 40}, {"ScrollBar3", -90, 90, 0}};
    for (const auto& b : bars) {
        auto* bar = w.find<QScrollBar>(b.name);
        ASSERT_NE(bar, nullptr) << b.name;
        EXPECT_EQ(bar->minimum(), b.min) << b.name;
        EXPECT_EQ(bar->maximum(), b.max) << b.name;
        EXPECT_EQ(bar->value(), b.value) << b.name;
    }
    EXPECT_EQ(w.find<QScrollBar>("ScrollBar3")->orientation(), Qt::Vertical);
    for (const char* toggle :
         {"sbMer", "sbVen", "sbMar", "sbJup", "sbSat", "sbUr", "sbNep", "sbPlano"}) {
        ASSERT_NE(w.find<QToolButton>(toggle), nullptr) << toggle;
        EXPECT_TRUE(w.find<QToolButton>(toggle)->isCheckable()) << toggle;
        EXPECT_FALSE(w.find<QToolButton>(toggle)->isChecked()) << toggle;
    }
    for (const char* button : {"SpeedButton4", "SpeedButton14", "SpeedButton8", "SpeedButton9",
                               "SpeedButton27", "SpeedButton11"})
        EXPECT_NE(w.find<QToolButton>(button), nullptr) << button;
    EXPECT_TRUE(w.find<QCheckBox>("cbWeb")->isHidden()) << "only in the extended mode";
    auto* dias = w.find<QComboBox>("cbDias");
    ASSERT_EQ(dias->count(), 7);
    EXPECT_EQ(dias->itemText(6), "30");
    EXPECT_EQ(dias->currentIndex(), 0);
    auto* clase = w.find<QComboBox>("cbClase");
    ASSERT_EQ(clase->count(), 6);
    EXPECT_EQ(clase->itemText(2), "Sem.");
    EXPECT_EQ(clase->currentText(), "Días");
    auto* upDown = w.find<QSpinBox>("UpDown1");
    EXPECT_EQ(upDown->minimum(), 0);
    EXPECT_EQ(upDown->maximum(), 100);
    EXPECT_EQ(upDown->value(), 1);
    // Edit1 also names a box of the Tisserand dialog: look inside the page.
    EXPECT_EQ(w.page->findChild<QLineEdit*>("Edit1")->text(), "1");
}

TEST(OrbitaPage, ScrollBarsSetTheViewAndTheViewOnlyDateLine) {
    OrbitTestWindow w;
    w.open();
    w.loadComets();
    w.find<QScrollBar>("ScrollBar3")->setValue(90);
    w.find<QScrollBar>("ScrollBar1")->setValue(180);
    w.find<QScrollBar>("ScrollBar2")->setValue(5);
    const vagaris::OrbitSceneOptions o = w.page->sceneOptions();
    EXPECT_DOUBLE_EQ(o.view.Tilt, vagaris::Rad(90));
    EXPECT_DOUBLE_EQ(o.view.Azimuth, vagaris::Rad(180));
    EXPECT_DOUBLE_EQ(o.view.Scale, 0.5);
    EXPECT_EQ(o.dateLine, RedrawMode::ViewOnly);
    w.click("sbMer");  // a toggle recomputes: the date line is the full date and time again
    EXPECT_EQ(w.page->sceneOptions().dateLine, RedrawMode::Recompute);
    EXPECT_TRUE(w.page->sceneOptions().planets[vagaris::kToggleMercury]);
}

TEST(OrbitaPage, DraggingShiftsTheDrawing) {
    OrbitTestWindow w;
    w.open();
    w.drag({100, 100}, {130, 80});
    EXPECT_EQ(w.page->sceneOptions().view.PanX, 30);
    EXPECT_EQ(w.page->sceneOptions().view.PanY, -20);
    w.mouse(QEvent::MouseMove, {0, 0});  // button up: no more dragging
    EXPECT_EQ(w.page->sceneOptions().view.PanX, 30);
    w.drag({10, 10}, {5, 15});  // from the shift already there
    EXPECT_EQ(w.page->sceneOptions().view.PanX, 25);
    EXPECT_EQ(w.page->sceneOptions().view.PanY, -15);
}

TEST(OrbitaPage, ParaWebResizesAndSwitchesTheEclipticSquare) {
    OrbitTestWindow w;
    w.open(/*extendedMode=*/true);
    auto* web = w.find<QCheckBox>("cbWeb");
    ASSERT_FALSE(web->isHidden());
    EXPECT_EQ(web->text(), "Para web");
    w.click("sbPlano");
    web->setChecked(true);
    EXPECT_EQ(w.paintBox()->size(), QSize(326, 326));
    EXPECT_FALSE(w.find<QToolButton>("sbPlano")->isChecked());
    EXPECT_EQ(w.page->capturePicture().size(), QSize(326, 326));
    web->setChecked(false);
    EXPECT_EQ(w.paintBox()->size(), QSize(424, 403));
    EXPECT_TRUE(w.find<QToolButton>("sbPlano")->isChecked());
}

TEST(OrbitaPage, PreviousAndNextObject) {
    OrbitTestWindow w;
    w.open();
    w.loadComets();
    ASSERT_EQ(w.session.SelectorIndex, 0);
    const std::string first = w.session.ObjectName;
    w.session.CurrentInstant += 3;
    w.click("SpeedButton4");  // nothing before the first
    EXPECT_EQ(w.session.SelectorIndex, 0);
    EXPECT_EQ(w.session.CurrentInstant, w.now + 3);
    w.click("SpeedButton14");
    EXPECT_EQ(w.session.SelectorIndex, 1);
    EXPECT_EQ(w.session.ObjectName, "C/1995 O1 (Hale-Bopp)");
    EXPECT_EQ(w.session.CurrentInstant, w.now) << "choosing an object takes the present";
    EXPECT_EQ(w.find<QComboBox>("ComboBox1")->currentIndex(), 1);
    w.click("SpeedButton4");
    EXPECT_EQ(w.session.ObjectName, first);
    const int last = static_cast<int>(w.session.SelectorNames.size()) - 1;
    w.window->app().chooseObject(last);
    w.click("SpeedButton14");  // nothing after the last
    EXPECT_EQ(w.session.SelectorIndex, last);
    EXPECT_TRUE(w.dialogs.texts("error").isEmpty());
}

TEST(OrbitaPage, StepControlsMirrorTheSeleccionTwinsAndStepTheInstant) {
    OrbitTestWindow w;
    w.open();
    w.loadComets();
    w.choose("cbDias", 4);   // 10
    w.choose("cbClase", 4);  // Horas
    EXPECT_EQ(w.find<QComboBox>("cbDias2")->currentIndex(), 4);
    EXPECT_EQ(w.find<QComboBox>("cbClase2")->currentIndex(), 4);
    w.click("SpeedButton8");
    EXPECT_NEAR(w.session.CurrentInstant, w.now + 10.0 / 24, 1e-9);
    w.click("SpeedButton9");
    w.click("SpeedButton9");
    EXPECT_NEAR(w.session.CurrentInstant, w.now - 10.0 / 24, 1e-9);
    // And the other way round.
    w.find<QComboBox>("cbClase2")->setCurrentIndex(3);
    EXPECT_EQ(w.find<QComboBox>("cbClase")->currentIndex(), 3);
    // The Selección buttons step the same instant, and the view follows it.
    const QImage before = w.page->capturePicture();
    w.find<QAbstractButton>("SpeedButton5")->click();
    EXPECT_NEAR(w.session.CurrentInstant, w.now - 10.0 / 24 + 10, 1e-9);
    EXPECT_FALSE(SamePixels(before, w.page->capturePicture()));
}

TEST(OrbitaPage, AFailingElementSetIsReportedOnceAndTheObjectLeftOut) {
    OrbitTestWindow w;
    w.open();
    w.loadComets();
    w.session.Elements.e = "x";  // no longer converts
    w.click("sbJup");            // a toggle recomputes
    ASSERT_EQ(w.dialogs.texts("error").size(), 1);
    EXPECT_EQ(w.dialogs.texts("error")[0], "'x' is not a valid floating point value");
    for (int k = 0; k < 3; ++k) {
        w.paintBox()->repaint();
        (void)w.paintBox()->grab();
        QApplication::processEvents();
    }
    w.find<QScrollBar>("ScrollBar1")->setValue(30);
    w.drag({10, 10}, {20, 20});
    EXPECT_EQ(w.dialogs.texts("error").size(), 1) << "painting never computes";
    EXPECT_FALSE(w.page->sceneOptions().objectDrawable);
    EXPECT_FALSE(ColoursOf(w.page->capturePicture()).contains(qRgb(255, 0, 255)));
}

// ---- Pictures ------------------------------------------------------------------------------

TEST(OrbitaPicture, OneGifWithTheViewsSevenColours) {
    OrbitTestWindow w;
    w.open();
    w.loadComets();
    for (const char* p : {"sbMer", "sbVen", "sbMar", "sbJup"}) w.click(p);
    w.find<QScrollBar>("ScrollBar3")->setValue(40);
    w.dialogs.saveAnswers.push_back(QString::fromStdString(w.path("vaisala.gif")));
    w.click("SpeedButton27");
    EXPECT_EQ(w.dialogs.lastSaveFilter, "Gif (*.gif)|*.gif|Bitmaps (*.bmp)|*.bmp");
    EXPECT_EQ(w.dialogs.lastSaveDefaultExt, "gif");
    EXPECT_EQ(w.dialogs.lastSaveProposed, "C_1942 EA (Vaisala)_orbita");
    ASSERT_TRUE(w.dialogs.texts("error").isEmpty())
        << w.dialogs.texts("error").join(' ').toStdString();

    const std::string bytes = ReadFileBytes(w.path("vaisala.gif"));
    ASSERT_GT(bytes.size(), 13u);
    EXPECT_EQ(bytes.substr(0, 6), "GIF87a");
    EXPECT_EQ(static_cast<unsigned char>(bytes[10]), 0xA2) << "a table of 8 for seven colours";
    const QImage saved = ReadGifAsImage(w.path("vaisala.gif"));
    EXPECT_EQ(saved.size(), QSize(430, 469));
    EXPECT_EQ(ColoursOf(saved), kViewColours);
    // The date line of a saved picture is the full date and time.
    EXPECT_EQ(w.page->sceneOptions().dateLine, RedrawMode::Recompute);
    EXPECT_TRUE(SamePixels(saved, w.page->capturePicture()));
    EXPECT_FALSE(fs::exists(w.home.dir / "aux1.tm"));
}

TEST(OrbitaPicture, FormatFollowsTheExtensionInAnyCase) {
    OrbitTestWindow w;
    w.open();
    w.loadComets();
    const struct {
        const char* name;
        const char* magic;
    } cases[] = {{"x.GIF", "GIF8"}, {"y.bmp", "BM"}, {"z.png", "BM"}};
    for (const auto& c : cases) {
        w.dialogs.saveAnswers.push_back(QString::fromStdString(w.path(c.name)));
        w.click("SpeedButton27");
        EXPECT_EQ(ReadFileBytes(w.path(c.name)).substr(0, std::string(c.magic).size()), c.magic)
            << c.name;
    }
    const QImage bmp(QString::fromStdString(w.path("y.bmp")), "BMP");
    EXPECT_TRUE(SamePixels(bmp, w.page->capturePicture()));
}

TEST(OrbitaPicture, WebPictureName) {
    OrbitTestWindow w;
    w.open(/*extendedMode=*/true);
    w.loadComets();
    w.find<QCheckBox>("cbWeb")->setChecked(true);
    w.dialogs.saveAnswers.push_back(QString::fromStdString(w.path("web.gif")));
    w.click("SpeedButton27");
    EXPECT_EQ(w.dialogs.lastSaveProposed, "orbita");
    EXPECT_EQ(ReadGifAsImage(w.path("web.gif")).size(), QSize(326, 326));
    w.click("SpeedButton11");  // cancelled; a sequence proposes the object's name
    EXPECT_EQ(w.dialogs.lastSaveProposed, "C_1942 EA (Vaisala)_orbita");
}

TEST(OrbitaPicture, CancelledDialogChangesNothing) {
    OrbitTestWindow w;
    w.open();
    w.loadComets();
    const vagaris::Instant before = w.session.CurrentInstant;
    w.click("SpeedButton27");
    w.click("SpeedButton11");
    EXPECT_EQ(w.session.CurrentInstant, before);
    EXPECT_EQ(std::distance(fs::directory_iterator(w.home.dir), fs::directory_iterator()), 1)
        << "only the catalog";
}

TEST(OrbitaSequence, NumberedFramesAndTheInstantAfterThem) {
    OrbitTestWindow w;
    w.open();
    w.loadComets();
    w.find<QSpinBox>("UpDown1")->setValue(3);
    w.dialogs.saveAnswers.push_back(QString::fromStdString(w.path("x_orbita.gif")));
    w.click("SpeedButton11");
    EXPECT_EQ(w.dialogs.lastSaveProposed, "C_1942 EA (Vaisala)_orbita");
    for (const char* frame : {"x_orbita_01.gif", "x_orbita_02.gif", "x_orbita_03.gif"})
        EXPECT_TRUE(fs::exists(w.home.dir / frame)) << frame;
    EXPECT_FALSE(fs::exists(w.home.dir / "x_orbita_04.gif"));
    EXPECT_FALSE(fs::exists(w.home.dir / "x_orbita.gif"));
    EXPECT_EQ(w.session.CurrentInstant, w.now + 3) << "three steps of one day";
    // Frames differ (the date line and the bodies move).
    EXPECT_NE(ReadFileBytes(w.home.dir / "x_orbita_01.gif"),
              ReadFileBytes(w.home.dir / "x_orbita_02.gif"));
}

TEST(OrbitaSequence, UpperCaseGifAndBitmapFrames) {
    OrbitTestWindow w;
    w.open();
    w.loadComets();
    w.find<QSpinBox>("UpDown1")->setValue(2);
    w.dialogs.saveAnswers.push_back(QString::fromStdString(w.path("u.GIF")));
    w.click("SpeedButton11");
    EXPECT_EQ(ReadFileBytes(w.home.dir / "u_02.GIF").substr(0, 3), "GIF");
    w.dialogs.saveAnswers.push_back(QString::fromStdString(w.path("b.bmp")));
    w.click("SpeedButton11");
    EXPECT_EQ(ReadFileBytes(w.home.dir / "b_01.bmp").substr(0, 2), "BM");
    EXPECT_TRUE(fs::exists(w.home.dir / "b_02.bmp"));
}

TEST(OrbitaSequence, CountZeroSavesNothing) {
    OrbitTestWindow w;
    w.open();
    w.loadComets();
    w.find<QSpinBox>("UpDown1")->setValue(0);
    w.dialogs.saveAnswers.push_back(QString::fromStdString(w.path("n.gif")));
    w.click("SpeedButton11");
    EXPECT_EQ(w.dialogs.lastSaveProposed, "C_1942 EA (Vaisala)_orbita") << "the dialog runs";
    EXPECT_FALSE(fs::exists(w.home.dir / "n_01.gif"));
    EXPECT_EQ(w.session.CurrentInstant, w.now);
}

TEST(OrbitaSequence, ASecondClickWhileFramesAreWrittenStartsNoSecondSequence) {
    // The GIF progress window lets the window handle events while a frame is written, so the
    // user can click the sequence button again then: here from inside the library's progress
    // report of the first frame, as that window would deliver the click.
    OrbitTestWindow w;
    w.open();
    w.loadComets();
    w.find<QSpinBox>("UpDown1")->setValue(3);
    w.dialogs.saveAnswers.push_back(QString::fromStdString(w.path("a.gif")));
    w.dialogs.saveAnswers.push_back(QString::fromStdString(w.path("b.gif")));  // were it asked
    static OrbitTestWindow* window = nullptr;
    static int reports = 0;
    static bool enabledWhileWriting = true;
    window = &w;
    reports = 0;
    struct HookGuard {
        ~HookGuard() { vagaris::ProgressHook = nullptr; }
    } restore;
    vagaris::ProgressHook = [](float) {
        if (reports++ > 0) return;
        enabledWhileWriting = window->find<QToolButton>("SpeedButton11")->isEnabled();
        window->click("SpeedButton11");
    };
    w.click("SpeedButton11");

    EXPECT_GT(reports, 0);
    EXPECT_FALSE(enabledWhileWriting);
    for (const char* frame : {"a_01.gif", "a_02.gif", "a_03.gif"})
        EXPECT_TRUE(fs::exists(w.home.dir / frame)) << frame;
    EXPECT_FALSE(fs::exists(w.home.dir / "a_04.gif"));
    EXPECT_FALSE(fs::exists(w.home.dir / "b_01.gif")) << "no second sequence";
    EXPECT_EQ(w.dialogs.saveAnswers.size(), 1u) << "the second click asked for no file";
    EXPECT_EQ(w.session.CurrentInstant, w.now + 3) << "one step per frame, one sequence";
    EXPECT_TRUE(w.dialogs.shown.empty());
    EXPECT_TRUE(w.find<QToolButton>("SpeedButton11")->isEnabled()) << "usable again after";
}

TEST(OrbitaSequence, AFailingFrameStopsAndKeepsTheFramesWritten) {
    OrbitTestWindow w;
    w.open();
    w.loadComets();
    w.find<QSpinBox>("UpDown1")->setValue(4);
    fs::create_directory(w.home.dir / "s_02.gif");  // frame 2 cannot be written
    w.dialogs.saveAnswers.push_back(QString::fromStdString(w.path("s.gif")));
    w.click("SpeedButton11");
    EXPECT_EQ(w.dialogs.texts("error").size(), 1);
    EXPECT_TRUE(fs::exists(w.home.dir / "s_01.gif"));
    EXPECT_FALSE(fs::exists(w.home.dir / "s_03.gif"));
    EXPECT_EQ(w.session.CurrentInstant, w.now + 1) << "one step per frame written";
}
