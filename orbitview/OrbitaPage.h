#pragma once
// The "Orbita" page: the orbit view with its turning, zooming and dragging, the planet
// toggles, previous/next object, the animation steps and the picture saving.
#include <QImage>
#include <functional>

#include "orbitview/OrbitScene.h"
#include "toolkit/Page.h"

class QCheckBox;
class QComboBox;
class QPainter;
class QScrollBar;
class QSpinBox;
class QToolButton;
class OrbitPaintBox;

class OrbitaPage : public Page {
    Q_OBJECT
public:
    explicit OrbitaPage(AppController& app, QWidget* parent = nullptr);

    // Entering the page computes the object's and the Earth's records at CurrentInstant (the
    // object, the instant or the settings may have changed on another page).
    void pageEntered() override;

    // Redraws the view. Recompute first runs the position computation (its error, if any, is
    // shown once and the view then draws without the object); ViewOnly draws with the last
    // computation. The mode also chooses the date line.
    void RedrawOrbitView(vagaris::RedrawMode mode);

    // What the paint box shows now, as the saved pictures hold it.
    vagaris::OrbitSceneOptions sceneOptions() const;
    QImage capturePicture() const;

private:
    // Whether the object's record belongs to the current elements and instant.
    enum class ObjectState { NotComputed, Computed, Failed };

    void buildControls();
    void connectController();

    // Runs the computation; false when an object is chosen and its computation failed.
    bool recompute();
    // Repaints without computing, showing the date line of `mode`.
    void repaint(vagaris::RedrawMode mode);

    void SpeedButton4Click();   // left arrow: the previous object of the selector, computed
    void SpeedButton14Click();  // right arrow: the next object of the selector, computed
    void PlanetToggleClick();   // a planet button or sbPlano toggled: redraw
    // "Para web": the square web size without the ecliptic plane, or back to the plain size.
    void cbWebClick(bool checked);
    void ScrollBar1Change(int position);  // azimuth [deg]: redraw the view only
    void ScrollBar2Change(int position);  // scale [0.1 AU]: redraw the view only
    void ScrollBar3Change(int position);  // tilt [deg]: redraw the view only
    void cbDiasChange(int index);         // the shared step amount
    void cbClaseChange(int index);        // the shared step unit
    void SpeedButton8Click();             // "+": one step forward, computed
    void SpeedButton9Click();             // "-": one step back, computed
    void SpeedButton27Click();            // saves the view as a picture
    void SpeedButton11Click();            // ">": saves UpDown1 pictures, one step apart
    void sbAnimacionClick();              // the same UpDown1 pictures as one animated GIF
    // Draws `count` frames one step apart from the current instant, handing each to `take`
    // (the picture, its number from 1), and steps once after each, as ">" always did. False
    // when a computation failed (it was reported); what `take` throws ends the frames.
    bool stepThroughFrames(int count, const std::function<void(const QImage&, int)>& take);

    friend class OrbitPaintBox;
    void PaintBox1Paint(QPainter& painter);
    void PaintBox1MouseDown(int x, int y);  // starts dragging the view
    void PaintBox1MouseMove(int x, int y);  // moves the view while dragging
    void PaintBox1MouseUp();                // ends the drag

    vagaris::OrbitView view_;
    vagaris::DragState drag_;
    vagaris::RedrawMode lastMode_ = vagaris::RedrawMode::Recompute;
    ObjectState objectState_ = ObjectState::NotComputed;
    int computations_ = 0;  // successful computations seen, to tell whether a step computed

    OrbitPaintBox* paintBox_ = nullptr;    // PaintBox1, the drawing
    QScrollBar* scrollAzimuth_ = nullptr;  // ScrollBar1
    QScrollBar* scrollScale_ = nullptr;    // ScrollBar2
    QScrollBar* scrollTilt_ = nullptr;     // ScrollBar3
    // sbMer, sbVen, sbMar, sbJup, sbSat, sbUr, sbNep: hints "Mercurio" ... "Neptuno".
    QToolButton* planetButtons_[vagaris::kPlanetToggleCount] = {};
    QToolButton* eclipticPlane_ = nullptr;  // sbPlano, hint "Plano de la eclíptica"
    QCheckBox* forWeb_ = nullptr;           // cbWeb, "Para web" (extended mode only)
    QComboBox* stepAmount_ = nullptr;       // cbDias, the amount of the "-"/"+" steps
    QComboBox* stepUnit_ = nullptr;         // cbClase, its unit ("Años" ... "Minutos")
    QSpinBox* sequenceCount_ = nullptr;     // UpDown1 (its text box: Edit1), pictures per ">"
    // SpeedButton11, hint "Graba secuencia como...": disabled while its frames are written.
    QToolButton* saveSequence_ = nullptr;
    QToolButton* saveAnimation_ = nullptr;  // sbAnimacion, "Guardar animación"
};
