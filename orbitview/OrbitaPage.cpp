#include "orbitview/OrbitaPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>
#include <functional>

#include "core/Angles.h"
#include "core/InstantStep.h"
#include "orbitview/OrbitPainter.h"
#include "pictures/PictureExport.h"
#include "pictures/PictureNames.h"
#include "toolkit/AppController.h"
#include "toolkit/BusyCursor.h"
#include "toolkit/Dialogs.h"

using vagaris::RedrawMode;

// The paint box: paints what the page's state describes and passes the mouse on. It never
// computes anything itself.
class OrbitPaintBox : public QWidget {
public:
    OrbitPaintBox(OrbitaPage& page, QWidget* parent) : QWidget(parent), page_(page) {
        setObjectName(QStringLiteral("PaintBox1"));
        setCursor(Qt::PointingHandCursor);
        setFont(QFont(QString::fromLatin1(vagaris::kOrbitViewFontFamily)));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        page_.PaintBox1Paint(painter);
    }
    void mousePressEvent(QMouseEvent* e) override {
        page_.PaintBox1MouseDown(e->position().toPoint().x(), e->position().toPoint().y());
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        page_.PaintBox1MouseMove(e->position().toPoint().x(), e->position().toPoint().y());
    }
    void mouseReleaseEvent(QMouseEvent*) override { page_.PaintBox1MouseUp(); }

private:
    OrbitaPage& page_;
};

namespace {

constexpr int kPaintBoxWidth = 430, kPaintBoxHeight = 469;  // [px] at start
constexpr int kWebSize = 326;                               // [px] "Para web", square
constexpr int kPlainWidth = 424, kPlainHeight = 403;        // [px] "Para web" switched off
constexpr int kBarThickness = 17;                           // [px]

const QString kPictureFilter = QStringLiteral("Gif (*.gif)|*.gif|Bitmaps (*.bmp)|*.bmp");
const QString kPictureDefaultExt = QStringLiteral("gif");
const QString kAnimationFilter = QStringLiteral("Gif (*.gif)|*.gif");

// The small pictures of the planet toggles: a disc in the planet's colour (Saturn with its
// ring) and, for the ecliptic toggle, the red square the view draws.
QIcon PlanetIcon(QColor colour, bool ring) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(3.5, 3.5, 9, 9));
    if (ring) {
        p.setPen(QPen(colour.darker(140), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(0.5, 6, 15, 4));
    }
    return QIcon(pixmap);
}

QIcon PlaneIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(Qt::red, 1));
    p.drawRect(2, 4, 11, 7);
    p.drawLine(7, 1, 7, 14);
    return QIcon(pixmap);
}

// A film strip: the animated GIF's button.
QIcon FilmIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(1, 2, 13, 11);
    p.drawLine(4, 2, 4, 13);
    p.drawLine(11, 2, 11, 13);
    for (int y = 4; y <= 11; y += 3) {
        p.drawPoint(2, y);
        p.drawPoint(13, y);
    }
    return QIcon(pixmap);
}

// `hint` is the button's own hint, kept with it but not shown, as on the rest of the window;
// `tip` says what a click does, shown when the pointer rests on the button (the pictures and
// the signs alone do not say it).
QToolButton* FlatButton(QWidget* parent, const QString& name, const QString& hint,
                        const QString& tip, const QRect& geometry) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setGeometry(geometry);
    button->setProperty("hint", hint);
    button->setToolTip(tip);
    return button;
}

}  // namespace

OrbitaPage::OrbitaPage(AppController& app, QWidget* parent) : Page(app, parent) {
    setObjectName(QStringLiteral("tsOrbita"));
    buildControls();
    connectController();
    // The view's start state follows the scroll bars: tilt 0, azimuth 0, scale 4.0 AU.
    view_.Tilt = vagaris::Rad(scrollTilt_->value());
    view_.Azimuth = 0;
    view_.Scale = scrollScale_->value() / 10.0;
    view_.PanX = view_.PanY = 0;
}

void OrbitaPage::buildControls() {
    auto* panel1 = new QFrame(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setGeometry(0, 0, 93, 512);

    auto* previous = FlatButton(panel1, QStringLiteral("SpeedButton4"), tr("Disminuye Dec"),
                                tr("Objeto anterior del catálogo"), QRect(4, 4, 40, 24));
    previous->setArrowType(Qt::LeftArrow);
    connect(previous, &QToolButton::clicked, this, &OrbitaPage::SpeedButton4Click);
    auto* next = FlatButton(panel1, QStringLiteral("SpeedButton14"), tr("Aumenta Dec"),
                            tr("Objeto siguiente del catálogo"), QRect(48, 4, 40, 24));
    next->setArrowType(Qt::RightArrow);
    connect(next, &QToolButton::clicked, this, &OrbitaPage::SpeedButton14Click);

    struct PlanetButton {
        const char* name;
        const char* hint;
        QColor colour;
        bool ring;
    };
    const PlanetButton planets[vagaris::kPlanetToggleCount] = {
        {"sbMer", QT_TR_NOOP("Mercurio"), QColor(150, 140, 130), false},
        {"sbVen", QT_TR_NOOP("Venus"), QColor(230, 210, 150), false},
        {"sbMar", QT_TR_NOOP("Marte"), QColor(210, 90, 50), false},
        {"sbJup", QT_TR_NOOP("Júpiter"), QColor(200, 160, 110), false},
        {"sbSat", QT_TR_NOOP("Saturno"), QColor(220, 190, 110), true},
        {"sbUr", QT_TR_NOOP("Urano"), QColor(140, 210, 220), false},
        {"sbNep", QT_TR_NOOP("Neptuno"), QColor(70, 110, 220), false},
    };
    for (int p = 0; p < vagaris::kPlanetToggleCount; ++p) {
        const QRect geometry(4 + (p % 2) * 44, 36 + (p / 2) * 28, 40, 26);
        auto* button =
            FlatButton(panel1, QString::fromLatin1(planets[p].name), tr(planets[p].hint),
                       tr("Muestra u oculta la órbita de %1").arg(tr(planets[p].hint)), geometry);
        button->setCheckable(true);
        button->setIcon(PlanetIcon(planets[p].colour, planets[p].ring));
        connect(button, &QToolButton::clicked, this, &OrbitaPage::PlanetToggleClick);
        planetButtons_[p] = button;
    }
    eclipticPlane_ =
        FlatButton(panel1, QStringLiteral("sbPlano"), tr("Plano de la eclíptica"),
                   tr("Muestra u oculta el plano de la eclíptica"), QRect(48, 36 + 3 * 28, 40, 26));
    eclipticPlane_->setCheckable(true);
    eclipticPlane_->setIcon(PlaneIcon());
    connect(eclipticPlane_, &QToolButton::clicked, this, &OrbitaPage::PlanetToggleClick);

    forWeb_ = new QCheckBox(tr("Para web"), panel1);
    forWeb_->setObjectName(QStringLiteral("cbWeb"));
    forWeb_->setGeometry(4, 152, 86, 20);
    forWeb_->setVisible(app_.session().ExtendedMode);
    // Setting the box from code runs its action too, as a click does.
    connect(forWeb_, &QCheckBox::toggled, this, &OrbitaPage::cbWebClick);

    stepAmount_ = new QComboBox(panel1);
    stepAmount_->setObjectName(QStringLiteral("cbDias"));
    for (int amount : vagaris::kStepAmounts) stepAmount_->addItem(QString::number(amount));
    stepAmount_->setGeometry(4, 180, 86, 22);
    stepAmount_->setCurrentIndex(app_.stepAmountIndex());
    connect(stepAmount_, &QComboBox::activated, this, &OrbitaPage::cbDiasChange);

    stepUnit_ = new QComboBox(panel1);
    stepUnit_->setObjectName(QStringLiteral("cbClase"));
    stepUnit_->addItems(
        {tr("Años"), tr("Meses"), tr("Sem."), tr("Días"), tr("Horas"), tr("Minutos")});
    stepUnit_->setGeometry(4, 206, 86, 22);
    stepUnit_->setCurrentIndex(app_.stepUnitIndex());
    connect(stepUnit_, &QComboBox::activated, this, &OrbitaPage::cbClaseChange);

    auto* back = FlatButton(panel1, QStringLiteral("SpeedButton9"), tr("Anima -"),
                            tr("Un paso atrás en el tiempo"), QRect(4, 234, 40, 24));
    back->setText(QStringLiteral("-"));
    connect(back, &QToolButton::clicked, this, &OrbitaPage::SpeedButton9Click);
    auto* forward = FlatButton(panel1, QStringLiteral("SpeedButton8"), tr("Anima +"),
                               tr("Un paso adelante en el tiempo"), QRect(48, 234, 40, 24));
    forward->setText(QStringLiteral("+"));
    connect(forward, &QToolButton::clicked, this, &OrbitaPage::SpeedButton8Click);

    auto* savePicture =
        FlatButton(panel1, QStringLiteral("SpeedButton27"), tr("Guarda carta como..."),
                   tr("Guardar la vista como imagen (GIF o BMP)"), QRect(4, 268, 40, 24));
    savePicture->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    connect(savePicture, &QToolButton::clicked, this, &OrbitaPage::SpeedButton27Click);

    sequenceCount_ = new QSpinBox(panel1);
    sequenceCount_->setObjectName(QStringLiteral("UpDown1"));
    sequenceCount_->setRange(0, 100);
    sequenceCount_->setValue(1);
    sequenceCount_->setGeometry(4, 300, 50, 24);
    if (auto* edit = sequenceCount_->findChild<QLineEdit*>())
        edit->setObjectName(QStringLiteral("Edit1"));
    saveSequence_ =
        FlatButton(panel1, QStringLiteral("SpeedButton11"), tr("Graba secuencia como..."),
                   tr("Guardar secuencia: tantas imágenes numeradas como indica la "
                      "casilla, un paso entre cada una"),
                   QRect(58, 300, 30, 24));
    saveSequence_->setText(QStringLiteral(">"));
    connect(saveSequence_, &QToolButton::clicked, this, &OrbitaPage::SpeedButton11Click);
    saveAnimation_ = FlatButton(panel1, QStringLiteral("sbAnimacion"), tr("Guardar animación"),
                                tr("Guardar animación"), QRect(58, 328, 30, 24));
    saveAnimation_->setIcon(FilmIcon());
    saveAnimation_->setAccessibleName(tr("Guardar animación"));
    connect(saveAnimation_, &QToolButton::clicked, this, &OrbitaPage::sbAnimacionClick);

    auto* panel2 = new QFrame(this);
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setGeometry(95, 0, 450, 508);
    panel2->setAutoFillBackground(true);
    QPalette white = panel2->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel2->setPalette(white);

    paintBox_ = new OrbitPaintBox(*this, panel2);
    paintBox_->setGeometry(0, 0, kPaintBoxWidth, kPaintBoxHeight);

    scrollTilt_ = new QScrollBar(Qt::Vertical, panel2);
    scrollTilt_->setObjectName(QStringLiteral("ScrollBar3"));
    scrollTilt_->setRange(-90, 90);
    scrollTilt_->setValue(0);
    scrollTilt_->setGeometry(kPaintBoxWidth, 0, kBarThickness, kPaintBoxHeight);
    connect(scrollTilt_, &QScrollBar::valueChanged, this, &OrbitaPage::ScrollBar3Change);

    scrollAzimuth_ = new QScrollBar(Qt::Horizontal, panel2);
    scrollAzimuth_->setObjectName(QStringLiteral("ScrollBar1"));
    scrollAzimuth_->setRange(0, 360);
    scrollAzimuth_->setValue(0);
    scrollAzimuth_->setGeometry(0, kPaintBoxHeight, kPaintBoxWidth, kBarThickness);
    connect(scrollAzimuth_, &QScrollBar::valueChanged, this, &OrbitaPage::ScrollBar1Change);

    scrollScale_ = new QScrollBar(Qt::Horizontal, panel2);
    scrollScale_->setObjectName(QStringLiteral("ScrollBar2"));
    scrollScale_->setRange(5, 1000);
    scrollScale_->setValue(40);
    scrollScale_->setGeometry(0, kPaintBoxHeight + kBarThickness, kPaintBoxWidth, kBarThickness);
    connect(scrollScale_, &QScrollBar::valueChanged, this, &OrbitaPage::ScrollBar2Change);

    auto* corner = new QPushButton(panel2);
    corner->setObjectName(QStringLiteral("Button34"));
    corner->setEnabled(false);
    corner->setGeometry(kPaintBoxWidth, kPaintBoxHeight, kBarThickness, kBarThickness);
}

void OrbitaPage::connectController() {
    // A computation elsewhere (object chosen, date entered, step) moves the object, the Earth
    // and the date line: draw it.
    connect(&app_, &AppController::circumstancesComputed, this, [this] {
        objectState_ = ObjectState::Computed;
        ++computations_;
        repaint(RedrawMode::Recompute);
    });
    // New elements belong to no computation until one succeeds.
    connect(&app_, &AppController::elementsChanged, this,
            [this] { objectState_ = ObjectState::NotComputed; });
    // The instant moved (a step without an object still moves the date line).
    connect(&app_, &AppController::currentInstantChanged, this,
            [this] { repaint(RedrawMode::Recompute); });
    connect(&app_, &AppController::stepControlsChanged, this, [this] {
        const QSignalBlocker blockDias(stepAmount_), blockClase(stepUnit_);
        stepAmount_->setCurrentIndex(app_.stepAmountIndex());
        stepUnit_->setCurrentIndex(app_.stepUnitIndex());
    });
}

void OrbitaPage::pageEntered() {
    // A failed element set stays failed until something changes; do not report it again.
    if (objectState_ != ObjectState::Failed)
        RedrawOrbitView(RedrawMode::Recompute);
    else
        repaint(RedrawMode::Recompute);
}

bool OrbitaPage::recompute() {
    const bool computed = app_.computeR();
    if (app_.session().Elements.Fecha.empty()) return true;  // nothing to compute
    objectState_ = computed ? ObjectState::Computed : ObjectState::Failed;
    return computed;
}

void OrbitaPage::repaint(RedrawMode mode) {
    lastMode_ = mode;
    paintBox_->update();
}

void OrbitaPage::RedrawOrbitView(RedrawMode mode) {
    if (mode == RedrawMode::Recompute) recompute();
    vagaris::UpdatePlanetMeanAnomalies(app_.session());
    repaint(mode);
}

vagaris::OrbitSceneOptions OrbitaPage::sceneOptions() const {
    vagaris::OrbitSceneOptions options;
    options.view = view_;
    options.width = paintBox_->width();
    options.height = paintBox_->height();
    for (int p = 0; p < vagaris::kPlanetToggleCount; ++p)
        options.planets[p] = planetButtons_[p]->isChecked();
    options.eclipticSquare = eclipticPlane_->isChecked();
    options.web = forWeb_->isChecked();
    options.dateLine = lastMode_;
    options.objectDrawable = objectState_ == ObjectState::Computed;
    return options;
}

QImage OrbitaPage::capturePicture() const {
    return vagaris::RenderOrbitPicture(app_.session(), sceneOptions());
}

void OrbitaPage::PaintBox1Paint(QPainter& painter) {
    view_.HalfSize = vagaris::HalfSizeForHeight(paintBox_->height());
    vagaris::PaintOrbitScene(painter, vagaris::BuildOrbitScene(app_.session(), sceneOptions()));
}

void OrbitaPage::PaintBox1MouseDown(int x, int y) { drag_ = {true, x, y, view_.PanX, view_.PanY}; }

void OrbitaPage::PaintBox1MouseMove(int x, int y) {
    if (!drag_.Dragging) return;
    view_.PanY = y + drag_.DragPanY - drag_.DragY;
    view_.PanX = x + drag_.DragPanX - drag_.DragX;
    // Neither the object nor the instant changed: the last computation still holds, and a
    // failing element set is not reported again on every mouse move.
    repaint(RedrawMode::Recompute);
}

void OrbitaPage::PaintBox1MouseUp() { drag_.Dragging = false; }

void OrbitaPage::SpeedButton4Click() {
    app_.guarded([&] {
        const int index = app_.session().SelectorIndex;
        if (index <= 0) return;
        app_.chooseObject(index - 1);  // computes; the view redraws on its signal
        repaint(RedrawMode::Recompute);
    });
}

void OrbitaPage::SpeedButton14Click() {
    app_.guarded([&] {
        const int index = app_.session().SelectorIndex;
        const int count = static_cast<int>(app_.session().SelectorNames.size());
        if (index < 0 || index >= count - 1) return;
        app_.chooseObject(index + 1);
        repaint(RedrawMode::Recompute);
    });
}

void OrbitaPage::PlanetToggleClick() { RedrawOrbitView(RedrawMode::Recompute); }

void OrbitaPage::cbWebClick(bool checked) {
    // The release/press of sbPlano set from here is no click: it redraws through the resize.
    if (checked) {
        paintBox_->resize(kWebSize, kWebSize);
        eclipticPlane_->setChecked(false);
    } else {
        paintBox_->resize(kPlainWidth, kPlainHeight);
        eclipticPlane_->setChecked(true);
    }
    // The size change repaints the box, and a paint shows the full date and time.
    repaint(RedrawMode::Recompute);
}

void OrbitaPage::ScrollBar1Change(int position) {
    view_.Azimuth = vagaris::Rad(position);
    RedrawOrbitView(RedrawMode::ViewOnly);
}

void OrbitaPage::ScrollBar2Change(int position) {
    view_.Scale = position / 10.0;
    RedrawOrbitView(RedrawMode::ViewOnly);
}

void OrbitaPage::ScrollBar3Change(int position) {
    view_.Tilt = vagaris::Rad(position);
    RedrawOrbitView(RedrawMode::ViewOnly);
}

void OrbitaPage::cbDiasChange(int index) { app_.setStepAmountIndex(index); }

void OrbitaPage::cbClaseChange(int index) { app_.setStepUnitIndex(index); }

void OrbitaPage::SpeedButton8Click() {
    app_.guarded([&] { app_.stepInstant(true); });
}

void OrbitaPage::SpeedButton9Click() {
    app_.guarded([&] { app_.stepInstant(false); });
}

void OrbitaPage::SpeedButton27Click() {
    app_.guarded([&] {
        const std::string& name = app_.session().ObjectName;
        const QString proposed =
            QString::fromStdString(vagaris::DefaultPictureName(name, forWeb_->isChecked()));
        const QString path =
            app_.dialogs().saveFile(this, kPictureFilter, kPictureDefaultExt, proposed);
        if (path.isEmpty()) return;
        RedrawOrbitView(RedrawMode::Recompute);
        if (objectState_ == ObjectState::Failed) return;  // reported by the computation
        const BusyCursor busy;
        SavePicture(capturePicture(), path);
    });
}

bool OrbitaPage::stepThroughFrames(int count, const std::function<void(const QImage&, int)>& take) {
    // Writing a frame lets the window handle events (the GIF progress window paints), so a
    // button could start a second sequence inside this one: both wait disabled.
    saveSequence_->setEnabled(false);
    saveAnimation_->setEnabled(false);
    const auto enableAgain = qScopeGuard([this] {
        saveSequence_->setEnabled(true);
        saveAnimation_->setEnabled(true);
    });
    const bool hasObject = !app_.session().Elements.Fecha.empty();
    bool computed = false;  // whether the last step already computed the new instant
    for (int k = 1; k <= count; ++k) {
        if (computed) {
            vagaris::UpdatePlanetMeanAnomalies(app_.session());
            repaint(RedrawMode::Recompute);
        } else {
            RedrawOrbitView(RedrawMode::Recompute);
            if (objectState_ == ObjectState::Failed) return false;  // reported once
        }
        {
            const BusyCursor busy;
            take(capturePicture(), k);  // a refused picture ends the frames here
        }
        const int before = computations_;
        app_.stepInstant(true);
        computed = computations_ != before;
        if (hasObject && !computed) {
            // The step's computation failed and showed its message; stop here.
            objectState_ = ObjectState::Failed;
            repaint(RedrawMode::Recompute);
            return false;
        }
    }
    return true;
}

void OrbitaPage::SpeedButton11Click() {
    app_.guarded([&] {
        const QString proposed =
            QString::fromStdString(vagaris::DefaultSequenceName(app_.session().ObjectName));
        const QString path =
            app_.dialogs().saveFile(this, kPictureFilter, kPictureDefaultExt, proposed);
        if (path.isEmpty()) return;
        const std::string chosen = path.toStdString();
        // The frames written before a failure stay.
        stepThroughFrames(sequenceCount_->value(), [&](const QImage& picture, int k) {
            const vagaris::SequenceFrame frame = vagaris::SequenceFramePath(chosen, k);
            SavePicture(picture, QString::fromStdString(frame.path));
        });
    });
}

void OrbitaPage::sbAnimacionClick() {
    app_.guarded([&] {
        const QString proposed =
            QString::fromStdString(vagaris::DefaultSequenceName(app_.session().ObjectName));
        const QString path =
            app_.dialogs().saveFile(this, kAnimationFilter, kPictureDefaultExt, proposed);
        if (path.isEmpty()) return;
        const int count = sequenceCount_->value();
        if (count == 0) return;  // no frame, no file
        AnimatedPicture animation;
        // The same frames as the sequence; a failed computation leaves no partial file.
        if (!stepThroughFrames(count,
                               [&](const QImage& picture, int) { animation.addFrame(picture); }))
            return;
        const BusyCursor busy;
        animation.save(path);
    });
}
