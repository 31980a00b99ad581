#include "outputs/tonight/TonightWindow.h"

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>
#include <cmath>

#include "catalogs/CatalogInfo.h"
#include "catalogs/mpcorb/MpcOrbSearch.h"
#include "core/Errors.h"
#include "core/TextFile.h"
#include "core/TextForms.h"
#include "core/Time.h"
#include "core/precise/PreciseSession.h"
#include "outputs/tonight/TonightRequest.h"
#include "outputs/tonight/TonightTexts.h"
#include "toolkit/AppController.h"
#include "core/DateTimeBoxes.h"
#include "toolkit/Dialogs.h"
#include "toolkit/MaskedEdit.h"
#include "translations/Translations.h"

using namespace vagaris;

namespace {

QString FromStd(const std::string& s) { return QString::fromStdString(s); }

QString JoinLines(const std::vector<std::string>& lines) {
    QStringList all;
    for (const auto& line : lines) all << FromStd(line);
    return all.join(QLatin1Char('\n'));
}

// The arrow the header shows for a sort: the brightest, the earliest first (ascending); the
// longest time and the highest altitude first (descending).
Qt::SortOrder OrderOf(tonight::SortKey key) {
    return key == tonight::SortKey::Time || key == tonight::SortKey::Altitude ? Qt::DescendingOrder
                                                                              : Qt::AscendingOrder;
}

}  // namespace

// ---- the model ----

void TonightModel::setResult(std::shared_ptr<const tonight::Result> result) {
    beginResetModel();
    result_ = std::move(result);
    rows_ = result_ ? result_->rows : std::vector<tonight::Row>{};
    columns_ = tonight::TableColumns(result_ && tonight::ShowsCatalog(*result_));
    endResetModel();
}

void TonightModel::clear() { setResult(nullptr); }

void TonightModel::sortBy(tonight::SortKey key) {
    beginResetModel();
    tonight::SortRows(rows_, key);
    endResetModel();
}

const tonight::Row* TonightModel::rowAt(int row) const {
    return row >= 0 && row < int(rows_.size()) ? &rows_[std::size_t(row)] : nullptr;
}

int TonightModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int TonightModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant TonightModel::data(const QModelIndex& index, int role) const {
    const tonight::Row* row = rowAt(index.row());
    if (!row || index.column() >= int(columns_.size())) return {};
    const tonight::Column column = columns_[std::size_t(index.column())];
    if (role == Qt::DisplayRole) return FromStd(tonight::CellText(*row, column));
    if (role == Qt::TextAlignmentRole) {
        const bool text = column == tonight::Column::Name || column == tonight::Column::Catalog;
        return int(Qt::AlignVCenter | (text ? Qt::AlignLeft : Qt::AlignRight));
    }
    // Old elements: amber beyond 200 days, red beyond 1000.
    if (role == Qt::BackgroundRole &&
        (column == tonight::Column::Age || column == tonight::Column::Perihelion)) {
        const bool own = column == tonight::Column::Age ? bool(row->elementAgeDays)
                                                        : bool(row->daysFromPerihelion);
        const int level = own ? tonight::AgeLevel(*row) : 0;
        if (level == 1) return QColor(255, 191, 0);
        if (level == 2) return QColor(230, 60, 60);
    }
    return {};
}

QVariant TonightModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (section < 0 || section >= int(columns_.size())) return {};
    const tonight::Column column = columns_[std::size_t(section)];
    if (role == Qt::DisplayRole) return FromStd(tonight::ColumnCaption(column, TrCoreUtf8));
    if (role != Qt::ToolTipRole) return {};
    using C = tonight::Column;
    const QString old = tr("En ámbar, más de %1 días; en rojo, más de %2: la posición calculada "
                           "puede estar lejos de la real.")
                            .arg(tonight::kOldElementsDays)
                            .arg(tonight::kVeryOldElementsDays);
    switch (column) {
        case C::Index:
            return tr(
                "El número del objeto en su catálogo, desde 0: su lugar en las listas de "
                "objetos de la ventana (vacío para MPCOrb.dat).");
        case C::Name: return tr("El nombre del objeto en su catálogo.");
        case C::Catalog: return tr("El catálogo del que viene el objeto.");
        case C::Magnitude: return tr("Magnitud en el mejor momento.");
        case C::Start: return tr("Primer minuto observable de la noche (T.U.).");
        case C::End: return tr("Último minuto observable de la noche (T.U.).");
        case C::Hours: return tr("Tiempo observable en la noche (horas:minutos).");
        case C::Best:
            return tr("El mejor momento (T.U.): el de mayor altura mientras es observable.");
        case C::Altitude: return tr("Altura en el mejor momento [°].");
        case C::Azimuth: return tr("Acimut en el mejor momento, desde el norte hacia el este [°].");
        case C::Elongation: return tr("Elongación: la distancia angular al Sol [°].");
        case C::Delta: return tr("Distancia a la Tierra [UA].");
        case C::SunDistance: return tr("Distancia al Sol [UA].");
        case C::Motion: return tr("Movimiento aparente en el cielo [\"/min].");
        case C::PositionAngle:
            return tr(
                "Ángulo de posición del movimiento aparente, desde el norte hacia el "
                "este [°].");
        case C::Moon: return tr("Separación de la Luna en el mejor momento [°].");
        case C::Age:
            return tr("Asteroides: días desde la época de los elementos hasta el mejor "
                      "momento.") +
                   QLatin1Char(' ') + old;
        case C::Perihelion:
            return tr("Cometas: días desde el perihelio hasta el mejor momento (negativos antes "
                      "del perihelio).") +
                   QLatin1Char(' ') + old;
    }
    return {};
}

int TonightModel::columnOfSort(tonight::SortKey key) const {
    for (std::size_t c = 0; c < columns_.size(); ++c)
        if (tonight::SortOfColumn(columns_[c]) == key) return int(c);
    return -1;
}

// ---- the window ----

TonightWindow::TonightWindow(AppController& app, QWidget* parent)
    : QWidget(parent, Qt::Window), app_(app) {
    setObjectName(QStringLiteral("TonightWindow"));
    setWindowTitle(tr("¿Qué observar?"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    // The night and the site, at the top: what the next list is for.
    nightBox_ = NewMaskedEdit(QStringLiteral("meNoche"), QStringLiteral("00/00/0000"),
                              QStringLiteral("01/01/2009"));
    nightBox_->setFixedWidth(
        nightBox_->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 12);
    InstallExitCheck(nightBox_,
                     [](const QString& t) { return IsValidDateBoxText(t.toStdString()); });
    site_ = new QLabel;
    site_->setObjectName(QStringLiteral("lbTonightSite"));
    auto* nightRow = new QHBoxLayout;
    auto* nightCaption = new QLabel(tr("Noche del"));
    nightCaption->setBuddy(nightBox_);
    nightRow->addWidget(nightCaption);
    nightRow->addWidget(nightBox_);
    nightRow->addSpacing(16);
    nightRow->addWidget(site_);
    nightRow->addStretch(1);

    const tonight::Limits defaults;
    mag_ = new QDoubleSpinBox;
    mag_->setObjectName(QStringLiteral("seMag"));
    mag_->setDecimals(1);
    mag_->setRange(tonight::kMagnitudeMin, tonight::kMagnitudeMax);
    mag_->setSingleStep(0.5);
    mag_->setValue(defaults.magnitude);
    minAlt_ = new QSpinBox;
    minAlt_->setObjectName(QStringLiteral("seMinAlt"));
    minAlt_->setRange(0, int(tonight::kMinAltitudeMax));
    minAlt_->setValue(int(defaults.minAltitudeDeg));
    minAlt_->setSuffix(QStringLiteral("°"));
    minTime_ = new QSpinBox;
    minTime_->setObjectName(QStringLiteral("seMinTime"));
    minTime_->setRange(tonight::kMinMinutesMin, tonight::kMinMinutesMax);
    minTime_->setValue(defaults.minMinutes);
    minTime_->setSuffix(QStringLiteral(" min"));
    moonSep_ = new QSpinBox;
    moonSep_->setObjectName(QStringLiteral("seMoonSep"));
    moonSep_->setRange(0, int(tonight::kMoonSeparationMax));
    moonSep_->setValue(int(defaults.moonSeparationDeg));
    moonSep_->setSuffix(QStringLiteral("°"));
    moonDown_ = new QCheckBox(tr("Luna bajo el horizonte"));
    moonDown_->setObjectName(QStringLiteral("cbMoonDown"));
    twilight_ = new QComboBox;
    twilight_->setObjectName(QStringLiteral("cbTwilight"));
    twilight_->addItems(
        {tr("Astronómico (Sol a -18°)"), tr("Náutico (Sol a -12°)"), tr("Civil (Sol a -6°)")});
    source_ = new QComboBox;
    source_->setObjectName(QStringLiteral("cbSource"));
    source_->addItems(
        {tr("Catálogo cargado"), tr("Los cinco catálogos"), QStringLiteral("MPCOrb.dat")});

    auto* limits = new QFormLayout;
    limits->addRow(tr("Magnitud límite"), mag_);
    limits->addRow(tr("Altura mínima"), minAlt_);
    limits->addRow(tr("Tiempo mínimo"), minTime_);
    limits->addRow(tr("Separación de la Luna"), moonSep_);
    limits->addRow(QString(), moonDown_);
    auto* choice = new QFormLayout;
    choice->addRow(tr("Crepúsculo"), twilight_);
    choice->addRow(tr("Catálogo"), source_);

    calcular_ = new QPushButton(tr("Calcular"));
    calcular_->setObjectName(QStringLiteral("btnCalcular"));
    cancelar_ = new QPushButton(tr("Cancelar"));
    cancelar_->setObjectName(QStringLiteral("btnCancelar"));
    guardar_ = new QPushButton(tr("Guardar"));
    guardar_->setObjectName(QStringLiteral("btnGuardar"));
    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("pbTonight"));
    progress_->setRange(0, 1000);
    progress_->setValue(0);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(calcular_);
    buttons->addWidget(cancelar_);
    buttons->addWidget(guardar_);
    buttons->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addLayout(limits);
    top->addSpacing(12);
    top->addLayout(choice);
    top->addStretch(1);
    top->addLayout(buttons);

    header_ = new QLabel;
    header_->setObjectName(QStringLiteral("lbTonightHeader"));
    header_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    model_ = new TonightModel(this);
    table_ = new QTableView;
    table_->setObjectName(QStringLiteral("tvTonight"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setSectionsClickable(true);
    table_->horizontalHeader()->setSortIndicatorShown(true);
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table_->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nightRow);
    layout->addLayout(top);
    layout->addWidget(progress_);
    layout->addWidget(header_);
    layout->addWidget(table_, 1);
    resize(1000, 560);

    connect(calcular_, &QPushButton::clicked, this, &TonightWindow::calcularClick);
    connect(cancelar_, &QPushButton::clicked, this, &TonightWindow::cancelarClick);
    connect(guardar_, &QPushButton::clicked, this, &TonightWindow::guardarClick);
    connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &TonightWindow::headerClicked);
    connect(table_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { takeOver(index.row()); });
    connect(&app_, &AppController::settingsChanged, this, &TonightWindow::showSite);
    setRunning(false);
    showSelectionDate();
    showSite();
}

TonightWindow::~TonightWindow() {
    if (worker_) {
        cancel_->store(true);
        worker_->wait();
        delete worker_;
    }
}

bool TonightWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            takeOver(table_->currentIndex().row());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TonightWindow::setRunning(bool on) {
    calcular_->setEnabled(!on);
    cancelar_->setEnabled(on);
    guardar_->setEnabled(!on && result_ != nullptr);
}

void TonightWindow::calcularClick() {
    if (worker_) return;
    tonight::Request request;
    std::vector<tonight::Source> sources;
    tonight::Options options;
    const bool ready = app_.guarded([&] {
        const Session& s = app_.session();
        request = tonight::RequestFromSettings(s.settings,
                                               ParseDateText(MaskedText(nightBox_).toStdString()));
        const double twilights[] = {kTwilightAstronomical, kTwilightNautical, kTwilightCivil};
        request.twilightLimit = twilights[std::max(0, twilight_->currentIndex())];
        request.limits.magnitude = mag_->value();
        request.limits.minAltitudeDeg = minAlt_->value();
        request.limits.minMinutes = minTime_->value();
        request.limits.moonSeparationDeg = moonSep_->value();
        request.limits.moonDown = moonDown_->isChecked();
        switch (source_->currentIndex()) {
            case FiveCatalogs:
                sources = tonight::FiveCatalogSources(s.ProgramDir);
                options.dedupe = true;
                break;
            case MpcOrb:
                if (const auto problem = MpcOrbFileProblem(s.settings.MpcOrbPath))
                    throw EMessage(*problem);
                sources.push_back({s.settings.MpcOrbPath, tonight::Source::Kind::MpcOrb});
                break;
            default: {
                const int loaded = app_.loadedCatalogIndex();
                if (loaded < 0)
                    throw std::runtime_error(tr("No hay ningún catálogo cargado").toStdString());
                sources.push_back({s.ProgramDir + kCatalogs[std::size_t(loaded)].fileName,
                                   tonight::Source::Kind::Catalog});
            }
        }
    });
    if (!ready) return;

    cancel_ = std::make_shared<std::atomic<bool>>(false);
    options.cancel = cancel_.get();
    QProgressBar* bar = progress_;
    options.progress = [bar](double fraction) {
        QMetaObject::invokeMethod(
            bar, [bar, fraction] { bar->setValue(int(std::lround(fraction * 1000))); },
            Qt::QueuedConnection);
    };
    progress_->setValue(0);
    // The worker owns copies of the request, the sources and the options.
    worker_ = QThread::create([this, request, sources, options, cancel = cancel_] {
        std::shared_ptr<tonight::Result> result;
        QString error;
        try {
            result =
                std::make_shared<tonight::Result>(tonight::RankTonight(request, sources, options));
        } catch (const std::exception& e) {
            error = TrError(e);
        }
        QMetaObject::invokeMethod(
            this, [this, result, error] { finished(result, error); }, Qt::QueuedConnection);
    });
    setRunning(true);
    worker_->start();
}

void TonightWindow::cancelarClick() {
    if (cancel_) cancel_->store(true);
}

void TonightWindow::finished(std::shared_ptr<tonight::Result> result, QString error) {
    if (worker_) {
        worker_->wait();
        delete worker_;
        worker_ = nullptr;
    }
    if (!error.isEmpty()) {
        // Translated here, on the window's thread (a fixed message of the pure code).
        app_.dialogs().error(this, TrCore(error.toUtf8().constData()));
    } else if (result && !result->cancelled) {
        result_ = std::move(result);
        model_->setResult(result_);
        showSortIndicator();
        table_->resizeColumnsToContents();
        showHeader();
        progress_->setValue(1000);
    } else {
        // Cancelled: no partial list; the previous one is gone too, so nothing stale shows.
        result_.reset();
        model_->clear();
        header_->clear();
        progress_->setValue(0);
    }
    setRunning(false);
    emit rankingFinished();
}

void TonightWindow::showHeader() {
    if (!result_) return;
    header_->setText(JoinLines(tonight::HeaderLines(*result_, TrCoreUtf8)));
}

void TonightWindow::headerClicked(int section) {
    if (result_ && section >= 0 && section < model_->columnCount())
        if (const auto key = tonight::SortOfColumn(model_->columnAt(section))) setSort(*key);
    // The header moved its arrow to the clicked column; it belongs to the list's sort.
    showSortIndicator();
}

void TonightWindow::setSort(tonight::SortKey key) {
    app_.changeSettings([key](Settings& s) { s.TonightSort = tonight::SortKeyText(key); });
    model_->sortBy(key);
    showSortIndicator();
}

void TonightWindow::showSortIndicator() {
    const tonight::SortKey key = tonight::SortKeyFromText(app_.session().settings.TonightSort)
                                     .value_or(tonight::SortKey::Magnitude);
    table_->horizontalHeader()->setSortIndicator(model_->columnOfSort(key), OrderOf(key));
}

void TonightWindow::showSelectionDate() {
    nightBox_->setText(FromStd(FormatInstant("dd/mm/yyyy", app_.session().CurrentInstant)));
}

void TonightWindow::showSite() {
    const Settings& s = app_.session().settings;
    std::string lat = s.Lat;
    if (!lat.empty() && lat[0] == ' ') lat[0] = '+';  // a blank sign is north
    site_->setText(TrCore("Lugar: latitud %1°, longitud %2°").arg(FromStd(lat), FromStd(s.Lon)));
}

void TonightWindow::guardarClick() {
    if (!result_) return;
    const QString path =
        app_.dialogs().saveFile(this, tr("Texto (*.txt)|*.txt|CSV (*.csv)|*.csv"),
                                QStringLiteral("txt"), QStringLiteral("QueObservar.txt"));
    if (path.isEmpty()) return;
    // The rows in the order shown.
    tonight::Result shown = *result_;
    shown.rows.clear();
    for (int r = 0; r < model_->rowCount(); ++r) shown.rows.push_back(*model_->rowAt(r));
    const bool csv = path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
    try {
        WriteFileAtomically(path.toStdString(),
                            csv ? tonight::CsvText(shown)
                                : EncodeTextFile(tonight::TableLines(shown, {}, TrCoreUtf8)));
    } catch (const std::exception& e) {
        app_.dialogs().error(this, TrError(e));
    }
}

void TonightWindow::takeOver(int row) {
    const tonight::Row* r = model_->rowAt(row);
    if (!r || !result_) return;
    const std::string& path = result_->catalogPaths.at(std::size_t(r->catalogOrder));
    // The list belongs to the files it read: a file changed since cannot give its rows.
    std::optional<tonight::FileStamp> then;
    for (const auto& stamp : result_->files)
        if (stamp.path == path) then = stamp;
    if (!then || tonight::StampOf(path) != then) {
        app_.dialogs().error(this, tr("El catálogo ha cambiado: vuelva a calcular"));
        return;
    }
    app_.takeOverRankedObject(path, r->index, r->line, r->bestTime);
}
