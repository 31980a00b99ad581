#pragma once
// The Selección page: catalog choice, the MPCOrb.dat search box, the element boxes of the
// current object, the date and time of the computation with its step controls, and the
// results of the computation in mode R.
#include <QHash>
#include <QList>

#include "core/Circumstances.h"
#include "shell/Page.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

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

    // The mouse button (or Space) was released over a catalog radio button: the checked
    // one is loaded.
    void rbComMouseUp();
    void Button1Click();   // "Calcular"
    void Button6Click();   // "Ahora"
    void Button10Click();  // "..." (date picker)
    void Button3Click();   // "Buscar" in MPCOrb.dat

    void showCurrentInstant();
    void showElements();
    void showSelectionTexts(const vagaris::SelectionTexts& texts);
    void showStepControls();
    void uncheckCatalogs();

    QList<QRadioButton*> catalogButtons_;
    QLineEdit* edit5_ = nullptr;
    QLineEdit* meFecha_ = nullptr;
    QLineEdit* meHora_ = nullptr;
    QComboBox* cbDias2_ = nullptr;
    QComboBox* cbClase2_ = nullptr;
    QHash<QString, QLineEdit*> elementBoxes_;
    // Value label → the caption label beside it (the motion captions change with the format).
    QHash<QString, QLabel*> captionOf_;
};
