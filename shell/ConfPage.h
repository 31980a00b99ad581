#pragma once
// The Configuración page: the observer's site, the maximum-exposure and apparent-motion
// formats, and the path of MPCOrb.dat. Its controls mirror session.settings both ways.
#include "shell/Page.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
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
    QWidget* buildSite();
    QWidget* buildExposure();
    QWidget* buildExposureFormat();
    QWidget* buildMotionFormat();
    QWidget* buildMpcOrb();

    void meLatExit();
    void cbSegMinClick(bool checked);
    void cbSegHoraClick(bool checked);
    void Button24Click();

    QLineEdit* meLat_ = nullptr;
    QLineEdit* meAlt_ = nullptr;
    QLabel* label27_ = nullptr;
    QLabel* label28_ = nullptr;
    QRadioButton* rbRes_ = nullptr;
    QRadioButton* rbFWHM_ = nullptr;
    QLineEdit* meRes_ = nullptr;
    QLineEdit* meFWHM_ = nullptr;
    QButtonGroup* rgForVel_ = nullptr;
    QRadioButton* rbCPol_ = nullptr;
    QRadioButton* rbCCarte_ = nullptr;
    QCheckBox* cbSegMin_ = nullptr;
    QCheckBox* cbSegHora_ = nullptr;
    QLineEdit* edit6_ = nullptr;
};
