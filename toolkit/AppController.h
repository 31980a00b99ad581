#pragma once
// The window's program-wide operations over the session: choosing objects, computing,
// showing the current instant, stepping it, loading catalogs. Pages call these and listen to
// the signals; they never compute astronomy themselves.
#include <QDate>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "core/Session.h"

class Dialogs;
class QComboBox;
class QWidget;

class AppController : public QObject {
    Q_OBJECT
public:
    // Whether a new current instant is written into the window's date display (the Selección
    // page's date and time boxes). The chart page's steps and date picker leave it as it is,
    // and so does "Calcular", whose boxes already show the value.
    enum class DateDisplay { Rewrite, Keep };
    Q_ENUM(DateDisplay)

    AppController(vagaris::Session& session, Dialogs& dialogs, QObject* parent = nullptr);

    vagaris::Session& session() { return session_; }
    Dialogs& dialogs() { return dialogs_; }
    // Parent for message boxes (the main window).
    void setDialogParent(QWidget* w) { dialogParent_ = w; }
    QWidget* dialogParent() const { return dialogParent_; }

    // Runs `handler`; an EConvertError (or other std::exception) ends it and its text is shown
    // in an error box titled with the application title. Returns false when it failed.
    bool guarded(const std::function<void()>& handler);

    // ComputeCircumstances in mode R and the Selección labels (selectionTextsChanged);
    // errors shown. Emits circumstancesComputed after a successful computation.
    bool computeR();
    // The one way the window changes CurrentInstant: sets it (SetCurrentInstant) and emits
    // currentInstantChanged. Computes nothing.
    void setCurrentInstant(vagaris::Instant t, DateDisplay display = DateDisplay::Rewrite);
    // CurrentInstant := now, shown; computeR.
    void setNowAndCompute();
    // ChooseObject: instant := now, shown; all selectors to `index`; line cut into the
    // element boxes (elementsChanged); computeR.
    void chooseObject(int index);
    // LoadCatalog for catalog 0..4 of kCatalogs (the radio button released).
    void loadCatalog(int catalogIndex);
    // The catalog (0..4 of kCatalogs) last loaded by loadCatalog, or -1.
    int loadedCatalogIndex() const { return loadedCatalog_; }
    // A row of the tonight list becomes the current object: from catalog file `path` (one of
    // the five in ProgramDir, loaded first when the session does not hold that reading of it)
    // at `index`, or, for an MPCOrb.dat row (index -1), from its `line`; the current instant
    // becomes `when` and the Selección page is shown.
    void takeOverRankedObject(const std::string& path, int index, const std::string& line,
                              vagaris::Instant when);

    // Button3Click: the MPCOrb.dat search for the text typed in the search box. A hit
    // becomes the current object alone in the selectors (disabled); CurrentInstant stays.
    void searchMpcOrb(const QString& typed);

    // Step controls shared by the Orbita and Selección twins (cbDias/cbDias2, cbClase/cbClase2).
    int stepAmountIndex() const { return stepAmountIndex_; }
    int stepUnitIndex() const { return stepUnitIndex_; }
    void setStepAmountIndex(int index);
    void setStepUnitIndex(int index);
    // StepInstant: moves CurrentInstant by one step, shows it and recomputes (the orbit view
    // redraws on circumstancesComputed).
    void stepInstant(bool forward);

    // Makes the tab with this objectName the active page.
    void requestPage(const QString& tabObjectName);

    // One of the four object selectors (ComboBox1, ComboBox2, ComboBox4, ComboBox3): it is
    // filled from the session and follows the common index without running change handlers;
    // the user's choice copies the index to the others, runs chooseObject, then `afterChange`
    // (the page's extra action: clear the table, rebuild the chart, ...). Typed text offers the
    // objects whose name contains it (toolkit/ContainsCompleter.h); choosing one of them is the
    // same choice.
    void bindObjectSelector(QComboBox* selector, std::function<void()> afterChange = {});

    // Every change the window makes to session.settings: `edit` changes them, and
    // settingsChanged follows when they differ afterwards.
    void changeSettings(const std::function<void(vagaris::Settings&)>& edit);

    // The date picker TFCalen, shown through the Dialogs seam on `initial`; the chosen day
    // after "Aceptar", nothing otherwise.
    std::optional<QDate> pickDate(const QDate& initial);

signals:
    // CurrentInstant changed (after setCurrentInstant); `display` says whether the date
    // display is to show the new value.
    void currentInstantChanged(AppController::DateDisplay display);
    void selectionTextsChanged(const vagaris::SelectionTexts& texts);
    void circumstancesComputed();
    void elementsChanged();
    // The four selectors: refill from session.SelectorNames / SelectorsEnabled.
    void selectorsReset();
    // The four selectors: select session.SelectorIndex (without running change handlers).
    void selectorIndexChanged(int index);
    // A catalog load or an MPCOrb.dat object replaced the catalog: what was found in the old
    // one (the anti-tail list, already emptied in the session) no longer applies.
    void catalogReplaced();
    void stepControlsChanged();
    void pageRequested(const QString& tabObjectName);
    // The current object comes from no catalog file (an MPCOrb.dat search found it): no
    // catalog is chosen any more.
    void catalogChoiceCleared();
    // A catalog file is about to be loaded (the file exists; reading may still fail): a
    // pending MPCOrb.dat search text no longer applies.
    void catalogLoadStarted();
    // Catalog radio buttons: check this one (a catalog the program loaded, not a click).
    void catalogChecked(int catalogIndex);
    // session.settings changed (changeSettings): the window writes the settings file.
    void settingsChanged();

private:
    // An MPCOrb.dat object replaces the catalog choice (the search box, a tonight row).
    void installSearchHit(const vagaris::TOrbitalElements& hit);

    vagaris::Session& session_;
    Dialogs& dialogs_;
    QWidget* dialogParent_ = nullptr;
    int stepAmountIndex_ = 0;
    int stepUnitIndex_ = 3;
    int loadedCatalog_ = -1;
};
