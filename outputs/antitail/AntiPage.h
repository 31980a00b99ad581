#pragma once
// The "Anticola?" page: the Earth's passages through the orbital planes of the loaded comets
// in one year, listed as the search finds them; a listed passage can be taken over as the
// current object and instant. The list itself lives in the session (Session::AntiTail, each
// line with its hit); ListBox2 shows it.
#include <cstdint>

#include "shell/Page.h"

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
    void udAnoChange(int year);
    void Button5Click();
    void Button7Click();
    void ListBox2Click();
    void SpeedButton1Click();
    // The list no longer applies (a catalog or MPCOrb.dat object was loaded: the hits
    // belonged to the old catalog): emptied, and searchable again for the same year.
    void resetList();

    void runSearch();
    // Empties the list (session and widget) and stops a search in progress.
    void clearList();
    int selectedRow() const;

    QLineEdit* Edit4 = nullptr;
    QSpinBox* udAno = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button7 = nullptr;
    QListWidget* ListBox2 = nullptr;
    QToolButton* SpeedButton1 = nullptr;

    // Counts clearings of the list: a running search stops as soon as it changes.
    std::uint64_t listGeneration_ = 0;
    int runningSearches_ = 0;
};
