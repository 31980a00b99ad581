#pragma once
// The Configuración page: the observer's site, the maximum-exposure and apparent-motion
// formats, the path of MPCOrb.dat and the computation model. Its controls mirror session.settings
// both ways.
#include <utility>

#include "core/Session.h"
#include "toolkit/AppController.h"
#include "toolkit/Page.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;

class ConfPage : public Page {
    Q_OBJECT
public:
    explicit ConfPage(AppController& app, QWidget* parent = nullptr);

    // Writes session.settings into the controls (after the settings file was read).
    void showSettings();
    // ComputeSite: the site constants from meLat and meAlt into Label27 and Label28.
    // Throws EConvertError when a text is not an integer; the labels then keep their texts.
    void computeSite();

private:
    // Every control writes its setting through the controller, which tells the window.
    template <class T, class V>
    void setSetting(T vagaris::Settings::*field, V value) {
        app_.changeSettings([&](vagaris::Settings& s) { s.*field = std::move(value); });
    }

    QWidget* buildSite();
    QWidget* buildExposure();
    QWidget* buildExposureFormat();
    QWidget* buildMotionFormat();
    QWidget* buildMpcOrb();
    // The program-wide choices, one row each: the model, the interface language.
    QWidget* buildModel();
    void addLanguageRow(QGridLayout* grid, int row);

    void meLatExit();                   // leaving meLat or meAlt: computeSite, errors shown
    void cbSegMinClick(bool checked);   // "/minuto" toggled: "/hora" takes the opposite state
    void cbSegHoraClick(bool checked);  // "/hora" toggled: "/minuto" takes the opposite state
    void Button24Click();               // "Localizar...": picks MPCOrb.dat into Edit6

    QLineEdit* latitudeBox_ = nullptr;       // meLat, "Latitud (+N)"
    QLineEdit* heightBox_ = nullptr;         // meAlt, "Altura (m)"
    QLineEdit* longitudeBox_ = nullptr;      // meLon, "Longitud (+E)", east positive
    QLabel* rhoCosPhi_ = nullptr;            // Label27, after "ρ cos φ ="
    QLabel* rhoSinPhi_ = nullptr;            // Label28, after "ρ sin φ ="
    QRadioButton* useResolution_ = nullptr;  // rbRes, "Resolución"
    QRadioButton* useFwhm_ = nullptr;        // rbFWHM, "FWHM medio"
    QLineEdit* resolutionBox_ = nullptr;     // meRes, ["/pix]
    QLineEdit* fwhmBox_ = nullptr;           // meFWHM, ["]
    // rgForVel, "Formato exposición máxima": rgForVel_0 "Segundos", rgForVel_1 "Minutos -
    // segundos"; the button id is the setting's value.
    QButtonGroup* exposureFormat_ = nullptr;
    QRadioButton* polarDisplay_ = nullptr;      // rbCPol, "Coordenadas polares"
    QRadioButton* cartesianDisplay_ = nullptr;  // rbCCarte, "Coordenadas cartesianas"
    QCheckBox* perMinute_ = nullptr;            // cbSegMin, "\"/minuto"
    QCheckBox* perHour_ = nullptr;              // cbSegHora, "\"/hora"
    QLineEdit* mpcOrbPath_ = nullptr;           // Edit6, the path of MPCOrb.dat, read-only
    QComboBox* model_ = nullptr;                // cbModelo, "Modelo:" "Estándar" / "Preciso"
    QComboBox* language_ = nullptr;  // cbIdioma: settings line 12, taken at the next start
};
