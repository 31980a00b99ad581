// The Orbita page's labelled buttons and its animated GIF: every button says what it does
// when the pointer rests on it, and "Guardar animación" writes the frames ">" would write as
// one animated file, through the dialogs seam.
#include <gtest/gtest.h>

#include <QToolButton>
#include <filesystem>

#include "gif/GifUnit.h"
#include "orbitview/OrbitTestWindow.h"

namespace fs = std::filesystem;

TEST(OrbitaButtons, EveryButtonHasATooltip) {
    OrbitTestWindow w;
    w.open();
    const auto buttons = w.page->findChildren<QToolButton*>();
    ASSERT_GE(buttons.size(), 15);
    for (const QToolButton* b : buttons) {
        if (b->objectName().isEmpty()) continue;  // the spin box's own arrows, if any
        EXPECT_FALSE(b->toolTip().isEmpty()) << b->objectName().toStdString();
    }
    EXPECT_EQ(w.find<QToolButton>("sbAnimacion")->toolTip(), "Guardar animación");
    EXPECT_EQ(w.find<QToolButton>("sbJup")->toolTip(), "Muestra u oculta la órbita de Júpiter");
    // The hints of before stay with the buttons.
    EXPECT_EQ(w.find<QToolButton>("SpeedButton4")->property("hint").toString(), "Disminuye Dec");
}

TEST(OrbitaAnimation, OneGifOfTheSequencesFramesAndTheSameInstantAfter) {
    OrbitTestWindow w;
    w.open();
    w.loadComets();
    w.find<QSpinBox>("UpDown1")->setValue(3);
    w.dialogs.saveAnswers.push_back(QString::fromStdString(w.path("anim.gif")));
    w.click("sbAnimacion");
    EXPECT_EQ(w.dialogs.lastSaveProposed, "C_1942 EA (Vaisala)_orbita");
    EXPECT_EQ(w.dialogs.lastSaveDefaultExt, "gif");
    EXPECT_TRUE(w.dialogs.shown.empty());
    EXPECT_EQ(w.session.CurrentInstant, w.now + 3) << "three steps of one day, as >";
    EXPECT_FALSE(fs::exists(w.home.dir / "anim_01.gif"));

    vagaris::TGifFile gif;
    gif.ReadFromFile(w.path("anim.gif"));
    ASSERT_EQ(gif.Images.size(), 3u);
    EXPECT_EQ(ReadFileBytes(w.home.dir / "anim.gif").substr(0, 6), "GIF89a");

    // The same three frames through ">", from the same start.
    w.window->app().setCurrentInstant(w.now);
    w.dialogs.saveAnswers.push_back(QString::fromStdString(w.path("seq.gif")));
    w.click("SpeedButton11");
    for (int k = 0; k < 3; ++k) {
        vagaris::TGifFile frame;
        frame.ReadFromFile(w.path("seq_0" + std::to_string(k + 1) + ".gif"));
        ASSERT_EQ(frame.Images.size(), 1u);
        EXPECT_EQ(frame.Images[0]->Width, gif.Images[k]->Width) << k;
        EXPECT_EQ(frame.Images[0]->Height, gif.Images[k]->Height) << k;
    }
}

TEST(OrbitaAnimation, CancelledOrEmptyWritesNothing) {
    OrbitTestWindow w;
    w.open();
    w.loadComets();
    w.dialogs.saveAnswers.push_back("");
    w.click("sbAnimacion");
    w.find<QSpinBox>("UpDown1")->setValue(0);
    w.dialogs.saveAnswers.push_back(QString::fromStdString(w.path("none.gif")));
    w.click("sbAnimacion");
    EXPECT_FALSE(fs::exists(w.home.dir / "none.gif"));
    EXPECT_EQ(w.session.CurrentInstant, w.now);
    EXPECT_TRUE(w.find<QToolButton>("sbAnimacion")->isEnabled());
}
