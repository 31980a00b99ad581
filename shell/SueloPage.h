#pragma once
// The Selección page: catalog choice, the MPCOrb.dat search box, the element boxes of the
// current object, the date and time of the computation with its step controls, and the
// results of the computation in mode R.
#include <QHash>
#include <QList>

#include "core/Circumstances.h"
#include "toolkit/Page.h"

class QComboBox;
class QLineEdit;
class QRadioButton;
class TonightWindow;

class SueloPage : public Page {
    Q_OBJECT
public:
    explicit SueloPage(AppController& app, QWidget* parent = nullptr);

    // SueloShow: the page became the visible one, so its results are computed again.
    void pageEntered() override;

private:
    QWidget* buildCatalogChoice();
    QWidget* buildSearch();
    QWidget* buildElementsPanel();
    QWidget* buildDateAndResultsPanel();

    // The mouse button (or Space) was released over a catalog radio button (rbCom...): the
    // checked one is loaded.
    void rbComMouseUp();
    void Button1Click();   // "Calcular": the typed date and time become current, then compute
    void Button6Click();   // "Ahora": the present instant becomes current, then compute
    void Button10Click();  // "...": the date picker's day at 00:00 becomes current, then compute
    void Button3Click();   // "Buscar" (or Enter in Edit5): looks the typed key up in MPCOrb.dat
    // btnQueObservar, "¿Qué observar?": opens (or raises) the tonight window.
    void queObservarClick();

    // Writers of the controller's notifications into the widgets.
    void showCurrentInstant();
    void showElements();
    void showSelectionTexts(const vagaris::SelectionTexts& texts);
    void showStepControls();
    void uncheckCatalogs();

    QList<QRadioButton*> catalogButtons_;  // rbCom... in CatalogInfo.h's order, "Catálogo"
    TonightWindow* tonight_ = nullptr;     // TonightWindow, made at the first opening
    QLineEdit* searchBox_ = nullptr;       // Edit5, under "MPCOrb.dat:"; typed letters upper case
    QLineEdit* dateBox_ = nullptr;         // meFecha, "T.U:" dd/mm/yyyy
    QLineEdit* timeBox_ = nullptr;         // meHora, hh:nn:ss
    QComboBox* stepAmount_ = nullptr;      // cbDias2, the amount the "-"/"+" buttons step
    QComboBox* stepUnit_ = nullptr;        // cbClase2, its unit ("Años" ... "Minutos")
    // The read-only element boxes by objectName (eFecha, eM, ea, eq, ee, ew, eO, ei, eH, eG).
    QHash<QString, QLineEdit*> elementBoxes_;
    // The result labels carry the objectNames of kSelectionQuantities and are found by them.
};
