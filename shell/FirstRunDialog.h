#pragma once
// The first start's box (no catalog in the program folder yet): where the catalogs come from
// (download them, copy the samples, or leave the folder as it is) and where the observer is,
// typed into the Configuración page's site boxes or taken from a list of cities.
#include <QDialog>
#include <QStringList>
#include <vector>

#include "shell/CityDatabase.h"
#include "settings/CitySite.h"
#include "shell/SiteBoxes.h"

class QComboBox;

class FirstRunDialog : public QDialog {
    Q_OBJECT
public:
    // The buttons, in order.
    enum Choice { Download = 0, Samples = 1, Close = 2 };

    // `message` over the boxes; `buttons` the three captions in Choice order; `current` the
    // site the boxes start with; `cities` the list (none: the list is not shown).
    FirstRunDialog(const QString& message, const QStringList& buttons,
                   const vagaris::SiteTexts& current, std::vector<City> cities,
                   QWidget* parent = nullptr);

    // The button that closed the box (Close when it was closed otherwise).
    Choice choice() const { return choice_; }
    // The site in the boxes, as the settings hold it.
    vagaris::SiteTexts site() const;

private:
    // A button: the box closes when the three site boxes hold a complete site; otherwise the
    // focus goes to the first one that does not.
    void choose(Choice choice);
    void cityChosen(int index);  // cbCiudad: the city's site into the boxes

    SiteBoxes boxes_;
    QComboBox* cities_ = nullptr;  // cbCiudad, typed or chosen; absent without a city database
    std::vector<City> cityList_;
    Choice choice_ = Close;
};
