#pragma once
// "¿Qué observar?": a separate, resizable, non-modal window that ranks a whole catalog for
// one night (its date box, the Selección date when the window is opened) and the
// Configuración site, both shown at its top. The ranking runs on a worker thread with
// copies of everything it needs (the session is never touched from it); the window stays
// responsive, shows the progress and can cancel. A row taken over (double-click or Enter)
// becomes the current object of the main window at the row's best time.
#include <QAbstractTableModel>
#include <QWidget>
#include <atomic>
#include <memory>
#include <optional>

#include "outputs/tonight/TonightRanking.h"
#include "outputs/tonight/TonightTexts.h"

class AppController;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;
class QThread;

// The listed rows as a Qt table model over the pure rows and their cell texts.
class TonightModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void setResult(std::shared_ptr<const vagaris::tonight::Result> result);
    void clear();
    // Sorts the rows again by the key (ties by magnitude, then name).
    void sortBy(vagaris::tonight::SortKey key);
    const vagaris::tonight::Row* rowAt(int row) const;
    vagaris::tonight::Column columnAt(int column) const { return columns_.at(column); }
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The caption, and as its tooltip what the column holds.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The column showing the sort `key`, or -1.
    int columnOfSort(vagaris::tonight::SortKey key) const;

private:
    std::shared_ptr<const vagaris::tonight::Result> result_;
    std::vector<vagaris::tonight::Row> rows_;
    std::vector<vagaris::tonight::Column> columns_;
};

class TonightWindow : public QWidget {
    Q_OBJECT
public:
    // The catalog choice's items, in order.
    enum Source { LoadedCatalog = 0, FiveCatalogs = 1, MpcOrb = 2 };

    explicit TonightWindow(AppController& app, QWidget* parent = nullptr);
    ~TonightWindow() override;

    // The Selección date into the night's date box (each time the window is opened from the
    // Selección page).
    void showSelectionDate();

    // The last complete list, or nothing.
    const vagaris::tonight::Result* result() const { return result_.get(); }
    bool running() const { return worker_ != nullptr; }

signals:
    // A ranking ended (complete, cancelled or failed): for tests and the status of the buttons.
    void rankingFinished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void calcularClick();
    void cancelarClick();
    void guardarClick();
    void headerClicked(int section);
    void takeOver(int row);
    void finished(std::shared_ptr<vagaris::tonight::Result> result, QString error);
    void setSort(vagaris::tonight::SortKey key);
    void showHeader();
    void showSite();           // lbTonightSite: the Configuración site the next list uses
    void showSortIndicator();  // the sort column's indicator (Qt's arrow in the header)
    void setRunning(bool on);

    AppController& app_;
    QLineEdit* nightBox_ = nullptr;  // meNoche, "Noche del" dd/mm/yyyy
    QLabel* site_ = nullptr;         // lbTonightSite
    QDoubleSpinBox* mag_ = nullptr;
    QSpinBox* minAlt_ = nullptr;
    QSpinBox* minTime_ = nullptr;
    QSpinBox* moonSep_ = nullptr;
    QCheckBox* moonDown_ = nullptr;
    QComboBox* twilight_ = nullptr;
    QComboBox* source_ = nullptr;
    QPushButton* calcular_ = nullptr;
    QPushButton* cancelar_ = nullptr;
    QPushButton* guardar_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* header_ = nullptr;
    QTableView* table_ = nullptr;
    TonightModel* model_ = nullptr;

    std::shared_ptr<const vagaris::tonight::Result> result_;
    QThread* worker_ = nullptr;
    std::shared_ptr<std::atomic<bool>> cancel_;
};
