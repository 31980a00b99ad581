#pragma once
// The Efemérides page: start, step, row count and column options of the ephemeris table, the
// table itself in a read-only fixed-pitch text area, and saving it as a text file. The
// table's layout lives in EphemerisTable.h; this page only reads its boxes and shows lines.
#include <string>
#include <vector>

#include "outputs/ephemeris/EphemerisTable.h"
#include "toolkit/Page.h"

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
    void Button32Click();       // "Calcular": builds the table from the boxes
    void SpeedButton12Click();  // saves the table as a text file
    void Button11Click();       // "...": the date picker for the start date
    void Button2Click();        // "Ahora": the present date and time as start

    vagaris::EphemerisLayout currentLayout() const;
    vagaris::EphemerisRangeTexts currentRangeTexts() const;
    void showLines(const std::vector<std::string>& lines);
    std::vector<std::string> memoLines() const;

    QComboBox* objectChoice_ = nullptr;       // ComboBox2, "Objeto"
    QLineEdit* startDate_ = nullptr;          // meFecha2, "T.U:" start date
    QLineEdit* startTime_ = nullptr;          // meHora2, start time
    QPushButton* datePicker_ = nullptr;       // Button11, "..."
    QPushButton* nowButton_ = nullptr;        // Button2, "Ahora"
    QLineEdit* stepBox_ = nullptr;            // meInter, "Intervalo"
    QComboBox* stepUnit_ = nullptr;           // cbInter, "Días" / "Horas" / "Minutos"
    QLineEdit* rowCount_ = nullptr;           // MaskEdit1, "Cantidad de líneas de datos"
    QGroupBox* columnGroup_ = nullptr;        // GroupBox3, "Selección": the optional columns
    QCheckBox* motionColumn_ = nullptr;       // cbVel, "Velocidad aparente"
    QCheckBox* altitudeColumn_ = nullptr;     // cbAltura, "Altura Máxima"
    QCheckBox* deltaColumn_ = nullptr;        // cbDelta, "Distancia a la Tierra"
    QCheckBox* sunDistanceColumn_ = nullptr;  // cbR, "Distancia al Sol"
    QCheckBox* elongationColumn_ = nullptr;   // cbElo, "Elongación"
    QCheckBox* phaseColumn_ = nullptr;        // cbFase, "Angulo de fase"
    QCheckBox* tailColumn_ = nullptr;         // cbCola, "Cola/anticola" (extended mode only)
    QPushButton* computeButton_ = nullptr;    // Button32, "Calcular"
    QToolButton* saveButton_ = nullptr;       // SpeedButton12, save icon "Guardar"
    QPlainTextEdit* table_ = nullptr;         // Memo1: the table, fixed pitch, read-only
};
