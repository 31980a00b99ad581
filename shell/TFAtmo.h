#pragma once
// The main window: a fixed-size window whose client area is the page control PageControl1.
#include <QMainWindow>

#include "core/Session.h"
#include "settings/CitySite.h"

class AppController;
class ConfPage;
class Dialogs;
class QTabWidget;

class TFAtmo : public QMainWindow {
    Q_OBJECT
public:
    // Start-up in the order the program defines (caption, ProgramDir, ExtendedMode,
    // Selección active, orbit view state, settings, site, planets, now and compute).
    TFAtmo(vagaris::Session& session, Dialogs& dialogs, QWidget* parent = nullptr);
    ~TFAtmo() override;

    AppController& app() { return *app_; }
    // The city database the first start's list of cities is read from (DefaultCityDatabase()
    // unless set before the window is first shown; an empty path: no list).
    void setCityDatabase(const QString& path) { cityDatabase_ = path; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void PageControl1Change(int index);  // another tab became active: its entry action
    // The first start: no catalog in the program folder. Offers the download page or the
    // bundled samples, and asks where the observer is.
    void OfferCatalogs();
    // The first start's site becomes the Configuración page's, saved as a change of it is.
    void takeSite(const vagaris::SiteTexts& site);
    // Writes the settings file after a change (a box being typed into, once its mask is
    // filled); a failure is told once, until a save works.
    void saveChangedSettings();

    vagaris::Session& session_;
    AppController* app_ = nullptr;
    // PageControl1, the tabs "Selección" (Suelo), "Orbita" (tsOrbita), "e/a" (tsAE), "Tablas"
    // (tsTablas), "Efemérides" (tsEfe), "Anticola?" (tsAnti), "Descarga de archivos"
    // (tsDescargas), "Configuración" (tsConf); e/a and Anticola? in extended mode only.
    QTabWidget* pages_ = nullptr;
    ConfPage* conf_ = nullptr;
    QString cityDatabase_;
    bool saveFailureTold_ = false;
};
