#pragma once
// The "Orbita" page: the orbit view with its turning, zooming and dragging, the planet
// toggles, previous/next object, the animation steps and the picture saving.
#include <QImage>

#include "orbitview/OrbitScene.h"
#include "shell/Page.h"

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

    // Entering the page brings the object's and the Earth's records back to CurrentInstant
    // (the ephemeris and the charts borrow the instant and leave the records elsewhere).
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

    void SpeedButton4Click();
    void SpeedButton14Click();
    void PlanetToggleClick();
    void cbWebClick(bool checked);
    void ScrollBar1Change(int position);
    void ScrollBar2Change(int position);
    void ScrollBar3Change(int position);
    void cbDiasChange(int index);
    void cbClaseChange(int index);
    void SpeedButton8Click();
    void SpeedButton9Click();
    void SpeedButton27Click();
    void SpeedButton11Click();

    friend class OrbitPaintBox;
    void PaintBox1Paint(QPainter& painter);
    void PaintBox1MouseDown(int x, int y);
    void PaintBox1MouseMove(int x, int y);
    void PaintBox1MouseUp();

    vagaris::OrbitView view_;
    vagaris::DragState drag_;
    vagaris::RedrawMode lastMode_ = vagaris::RedrawMode::Recompute;
    ObjectState objectState_ = ObjectState::NotComputed;
    int computations_ = 0;  // successful computations seen, to tell whether a step computed

    OrbitPaintBox* paintBox_ = nullptr;
    QScrollBar* scrollAzimuth_ = nullptr;  // ScrollBar1
    QScrollBar* scrollScale_ = nullptr;    // ScrollBar2
    QScrollBar* scrollTilt_ = nullptr;     // ScrollBar3
    QToolButton* planetButtons_[vagaris::kPlanetToggleCount] = {};
    QToolButton* sbPlano_ = nullptr;
    QCheckBox* cbWeb_ = nullptr;
    QComboBox* cbDias_ = nullptr;
    QComboBox* cbClase_ = nullptr;
    QSpinBox* upDown1_ = nullptr;
};
