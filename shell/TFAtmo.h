#pragma once
// The main window: a fixed-size window whose client area is the page control PageControl1.
#include <QMainWindow>

#include "core/Session.h"

class AppController;
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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void PageControl1Change(int index);  // another tab became active: its entry action
    // The first start: no catalog in the program folder. Offers the download page or the
    // bundled samples.
    void OfferCatalogs();

    vagaris::Session& session_;
    AppController* app_ = nullptr;
    // PageControl1, the tabs "Selección" (Suelo), "Orbita" (tsOrbita), "e/a" (tsAE), "Tablas"
    // (tsTablas), "Efemérides" (tsEfe), "Anticola?" (tsAnti), "Descarga de archivos"
    // (tsDescargas), "Configuración" (tsConf); e/a and Anticola? in extended mode only.
    QTabWidget* pages_ = nullptr;
};
