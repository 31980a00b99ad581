#pragma once
// The "Anticola?" page: the Earth's passages through the orbital planes of the loaded comets
// in one year, listed as the search finds them; a listed passage can be taken over as the
// current object and instant. The list itself lives in the session (Session::AntiTail, each
// line with its hit); ListBox2 shows it.
#include <cstdint>

#include "toolkit/Page.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QToolButton;

class AntiPage : public Page {
    Q_OBJECT
public:
    explicit AntiPage(AppController& app, QWidget* parent = nullptr);

    // An empty list searches the year of the Selección date; a filled one is shown as it is.
    void pageEntered() override;

private:
    // udAno moved: the year goes into Edit4, the list is emptied, "Procesar" is enabled.
    void udAnoChange(int year);
    void Button5Click();  // "Procesar": searches the year in Edit4
    // "Fijar fecha": the selected passage's comet and instant become current, then Selección.
    void Button7Click();
    void ListBox2Click();      // a row was clicked: "Fijar fecha" is enabled (no search running)
    void SpeedButton1Click();  // saves the list as a text file
    // The list no longer applies (a catalog or MPCOrb.dat object was loaded: the hits
    // belonged to the old catalog): emptied, and searchable again for the same year.
    void resetList();

    void runSearch();
    // Empties the list (session and widget) and stops a search in progress.
    void clearList();
    int selectedRow() const;

    QLineEdit* yearBox_ = nullptr;          // Edit4, after "Año": the year, read-only
    QSpinBox* yearArrows_ = nullptr;        // udAno: only its arrows show, beside Edit4
    QPushButton* processButton_ = nullptr;  // Button5, "Procesar"
    QPushButton* setDateButton_ = nullptr;  // Button7, "Fijar fecha"
    QListWidget* hitList_ = nullptr;        // ListBox2: headings and passages, fixed pitch
    QToolButton* saveButton_ = nullptr;     // SpeedButton1, save icon "Guardar la lista"

    // Counts clearings of the list: a running search stops as soon as it changes.
    std::uint64_t listGeneration_ = 0;
    int runningSearches_ = 0;
};
