#pragma once
// The Efemérides page: start, step, row count and column options of the ephemeris table, the
// table itself in a read-only fixed-pitch text area, and saving it as a text file. The
// table's layout lives in EphemerisTable.h; this page only reads its boxes and shows lines.
#include <string>
#include <vector>

#include "outputs/ephemeris/EphemerisTable.h"
#include "shell/Page.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

class EfePage : public Page {
    Q_OBJECT
public:
    explicit EfePage(AppController& app, QWidget* parent = nullptr);

    // Entry action: the start fields take CurrentInstant, the table is emptied.
    void pageEntered() override;

private:
    void Button32Click();       // "Calcular": builds the table
    void SpeedButton12Click();  // saves the table
    void Button11Click();       // date picker for the start date
    void Button2Click();        // "Ahora": the present date and time as start

    vagaris::EphemerisLayout currentLayout() const;
    vagaris::EphemerisRangeTexts currentRangeTexts() const;
    void showLines(const std::vector<std::string>& lines);
    std::vector<std::string> memoLines() const;

    QComboBox* ComboBox2 = nullptr;
    QLineEdit* meFecha2 = nullptr;
    QLineEdit* meHora2 = nullptr;
    QPushButton* Button11 = nullptr;
    QPushButton* Button2 = nullptr;
    QLineEdit* meInter = nullptr;
    QComboBox* cbInter = nullptr;
    QLineEdit* MaskEdit1 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QCheckBox* cbVel = nullptr;
    QCheckBox* cbAltura = nullptr;
    QCheckBox* cbDelta = nullptr;
    QCheckBox* cbR = nullptr;
    QCheckBox* cbElo = nullptr;
    QCheckBox* cbFase = nullptr;
    QCheckBox* cbCola = nullptr;
    QPushButton* Button32 = nullptr;
    QToolButton* SpeedButton12 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
};
