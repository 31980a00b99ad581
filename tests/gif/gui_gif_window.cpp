// The GIF library in the window: the progress window TProgressForm, the hook that drives it,
// the busy cursor, and the QImage adapter used by the orbit view and the charts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QProgressBar>
#include <QTemporaryDir>

#include "GifTestSupport.h"
#include "gif/GifDecl.h"
#include "toolkit/FmProgr.h"
#include "pictures/GifFromImage.h"
#include "toolkit/progress.h"

namespace {

TProgressForm* ShownProgressForm() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<TProgressForm*>(w)) return form;
    return nullptr;
}

// A picture in the orbit view's seven colours: navy, aqua, fuchsia, gray, red, yellow, black.
QImage OrbitColoursImage() {
    QImage image(120, 90, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor colours[] = {QColor(0, 0, 128),     QColor(0, 255, 255), QColor(255, 0, 255),
                              QColor(128, 128, 128), QColor(255, 0, 0),   QColor(255, 255, 0)};
    int k = 0;
    for (const QColor& c : colours) {
        p.setPen(c);
        p.drawLine(0, 10 + 12 * k, 119, 5 + 13 * k);
        p.drawEllipse(QPoint(60, 45), 10 + 6 * k, 8 + 5 * k);
        ++k;
    }
    return image;
}

class GifWindow : public ::testing::Test {
protected:
    void TearDown() override {
        vagaris::ProgressHook = nullptr;
        vagaris::BusyCursorHook = nullptr;
        while (QApplication::overrideCursor() != nullptr) QApplication::restoreOverrideCursor();
    }
};

}  // namespace

TEST_F(GifWindow, ProgressFormHasItsCaptionSizeAndPercentageBar) {
    TProgressForm form;
    EXPECT_EQ(form.windowTitle(), QString("Un momento..."));
    EXPECT_EQ(form.size(), QSize(132, 18));
    EXPECT_EQ(form.pos(), QPoint(8, 50));
    EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinMaxButtonsHint);
    auto* gauge = form.findChild<QProgressBar*>("Gauge1");
    ASSERT_NE(gauge, nullptr);

    const struct {
        float fraction;
        bool visible;
        int percent;
    } steps[] = {{0.0f, true, 0},    {0.5f, true, 50},     {0.125f, true, 12} /* half to even */,
                 {0.135f, true, 14}, {0.9999f, true, 100}, {1.0f, false, 100}};
    for (const auto& s : steps) {
        form.ShowFraction(s.fraction);
        EXPECT_EQ(form.isVisible(), s.visible) << s.fraction;
        EXPECT_EQ(gauge->value(), s.percent) << s.fraction;
    }
}

TEST_F(GifWindow, InstalledHookShowsTheWindowWhileWritingAndHidesItAtTheEnd) {
    InstallGifProgressWindow();
    vagaris::ReportProgress(0.3f);
    TProgressForm* form = ShownProgressForm();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->findChild<QProgressBar*>("Gauge1")->value(), 30);
    vagaris::ReportProgress(1.0f);
    EXPECT_FALSE(form->isVisible()) << "hidden, not destroyed";
    EXPECT_EQ(ShownProgressForm(), form);

    QTemporaryDir dir;
    WriteImageAsGif(OrbitColoursImage(), dir.filePath("orbita.gif").toStdString());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "cursor restored";
}

TEST_F(GifWindow, ImageInTheOrbitViewColoursIsWrittenWithATableOf8AndReadsBack) {
    InstallGifProgressWindow();
    QTemporaryDir dir;
    const std::string path = dir.filePath("orbita.gif").toStdString();
    const QImage image = OrbitColoursImage();
    WriteImageAsGif(image, path);

    const std::string bytes = giftest::ReadFileBytes(path);
    ASSERT_GT(bytes.size(), 13u);
    EXPECT_EQ(bytes.substr(0, 6), "GIF87a");
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[10]), 0xA2);

    const QImage back = ReadGifAsImage(path);
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), image);
    // Qt's own reader agrees.
    EXPECT_EQ(QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32), image);
}

TEST_F(GifWindow, SingleColourImageIsRefusedAndTheCursorIsRestored) {
    InstallGifProgressWindow();
    QTemporaryDir dir;
    QImage plain(50, 40, QImage::Format_RGB32);
    plain.fill(Qt::white);
    try {
        WriteImageAsGif(plain, dir.filePath("blanco.gif").toStdString());
        FAIL() << "written";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Number of colors (1) wrong; must be a power of 2");
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("blanco.gif")));
}

TEST_F(GifWindow, AdapterHandsThePixelsOverWithRedInTheLowestByte) {
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0x12, 0x34, 0x56, 0x80));
    image.setPixel(1, 0, qRgb(0xFF, 0x00, 0x01));
    const auto bitmap = PixelBitmapFromImage(image);
    ASSERT_EQ(bitmap.Pixels.size(), 2u);
    EXPECT_EQ(bitmap.Pixels[1], 0x0100FFu);
    EXPECT_EQ(bitmap.Pixels[0] >> 24, 0u) << "no alpha in the colour value";
}

TEST_F(GifWindow, BitmapFromAGifOpensInQtAsTheSamePicture) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("orbita.gif").toStdString();
    const QImage image = OrbitColoursImage();
    WriteImageAsGif(image, path);
    vagaris::TGifBitmap gif;
    gif.LoadFromFile(path);
    const std::string bmp = gif.ToWindowsBitmap();
    QImage fromBmp;
    ASSERT_TRUE(fromBmp.loadFromData(reinterpret_cast<const uchar*>(bmp.data()),
                                     static_cast<int>(bmp.size()), "BMP"));
    EXPECT_EQ(fromBmp.convertToFormat(QImage::Format_RGB32), image);
}
