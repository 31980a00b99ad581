#include "shell/TFAtmo.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include "catalogs/download/DescargasPage.h"
#include "core/AtomicFile.h"
#include "orbitview/OrbitaPage.h"
#include "outputs/antitail/AntiPage.h"
#include "outputs/charts/TablasPage.h"
#include "outputs/ea/AEPage.h"
#include "outputs/ephemeris/EfePage.h"
#include "toolkit/AppController.h"
#include "shell/ConfPage.h"
#include "toolkit/Dialogs.h"
#include "toolkit/MaskedEdit.h"
#include "catalogs/FirstRun.h"
#include "shell/FirstRunDialog.h"
#include "shell/SueloPage.h"
#include "settings/SettingsFile.h"
#include "translations/Translations.h"

namespace {

constexpr int kClientWidth = 568;
constexpr int kClientHeight = 545;

QString WindowCaption() {
#if defined(VAGARIS_VERSION_MAJOR) && defined(VAGARIS_VERSION_BUILD)
    return QStringLiteral("Vagaris %1.%2").arg(VAGARIS_VERSION_MAJOR).arg(VAGARIS_VERSION_BUILD);
#else
    return QStringLiteral("Vagaris ");
#endif
}

// Every caption in sight at the fixed width, the extended pages included: the tab bar's text
// shrinks by half points from the window's size until the tabs fit without scroll arrows.
// The window keeps its size and the captions their words.
void FitTabCaptions(QTabWidget* pages) {
    QTabBar* bar = pages->tabBar();
    bar->setUsesScrollButtons(false);
    bar->setElideMode(Qt::ElideNone);
    bar->setExpanding(false);
    const int room = kClientWidth - 4;  // the page frame's edges
    QFont font = bar->font();
    for (qreal size = font.pointSizeF(); size >= 5; size -= 0.5) {
        font.setPointSizeF(size);
        bar->setFont(font);
        if (bar->sizeHint().width() <= room) return;  // the visible tabs at their full size
    }
}

}  // namespace

TFAtmo::TFAtmo(vagaris::Session& session, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), session_(session) {
    setObjectName(QStringLiteral("FAtmo"));
    // System menu and minimise button, no maximise button; the size never changes.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(WindowCaption());
    setFixedSize(kClientWidth, kClientHeight);
    // The fixed client area is laid out for small 8-point text.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    if (!session_.clock) session_.clock = vagaris::SystemNowUtc;

    app_ = new AppController(session, dialogs, this);
    app_->setDialogParent(this);

    const std::string executableDir = QCoreApplication::applicationDirPath().toStdString();
    if (!app_->guarded([&] { session_.ProgramDir = vagaris::ResolveProgramDir(executableDir); }))
        session_.ProgramDir = executableDir + "/";  // told; catalogs are then looked for here
    // What a crash or a killed download left half-written is of no use to anyone.
    vagaris::RemoveStaleTemporaries(session_.ProgramDir);
    // Text conventions need nothing here: every conversion of the program is locale-free.
    session_.ExtendedMode = vagaris::DecideExtendedMode(session_.ProgramDir);

    // The pages read ExtendedMode as they are built.
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->addTab(new SueloPage(*app_), tr("Selección"));
    pages_->addTab(new OrbitaPage(*app_), tr("Orbita"));
    const int aeTab = pages_->addTab(new AEPage(*app_), tr("e/a"));
    pages_->addTab(new TablasPage(*app_), tr("Tablas"));
    pages_->addTab(new EfePage(*app_), tr("Efemérides"));
    const int antiTab = pages_->addTab(new AntiPage(*app_), tr("Anticola?"));
    pages_->addTab(new DescargasPage(*app_), tr("Descarga de archivos"));
    auto* conf = new ConfPage(*app_);
    conf_ = conf;
    pages_->addTab(conf, tr("Configuración"));
    pages_->setTabVisible(aeTab, session_.ExtendedMode);
    pages_->setTabVisible(antiTab, session_.ExtendedMode);
    FitTabCaptions(pages_);
    setCentralWidget(pages_);
    pages_->setCurrentIndex(0);
    KeepInvalidBoxOnItsPage(pages_);
    connect(pages_, &QTabWidget::currentChanged, this, &TFAtmo::PageControl1Change);
    connect(app_, &AppController::pageRequested, this, [this](const QString& name) {
        if (auto* page = pages_->findChild<QWidget*>(name)) pages_->setCurrentWidget(page);
    });

    // A damaged or unreadable settings file is told once; its broken values are replaced by
    // the defaults, so the next save writes good ones.
    if (const auto problem =
            vagaris::LoadSettings(session_.ProgramDir, session_.settings, TrCoreUtf8))
        app_->dialogs().message(this, QString::fromStdString(*problem));
    conf->showSettings();
    app_->guarded([&] { conf->computeSite(); });
    vagaris::FillPlanetRecords(session_);
    app_->setNowAndCompute();
    // From here on every change is kept at once: a session that ends loses nothing.
    connect(app_, &AppController::settingsChanged, this, &TFAtmo::saveChangedSettings);
    cityDatabase_ = DefaultCityDatabase();

    // Said once the window is on the screen, so the question stands in front of it.
    QTimer::singleShot(0, this, &TFAtmo::OfferCatalogs);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(kClientWidth / 2, kClientHeight / 2));
    }
}

TFAtmo::~TFAtmo() = default;

void TFAtmo::closeEvent(QCloseEvent* event) {
    try {
        vagaris::SaveSettings(session_.ProgramDir, session_.settings);
    } catch (const std::exception& e) {
        // The values are lost, but the user is told and the window still closes.
        app_->dialogs().error(this, tr("No se pudo guardar la configuración: %1").arg(TrError(e)));
    }
    event->accept();
}

void TFAtmo::saveChangedSettings() {
    // A box still being typed into, its mask not yet filled ("-3_"), is saved by the key that
    // completes it: the file never holds half a latitude.
    if (const auto* typing = qobject_cast<const QLineEdit*>(QApplication::focusWidget()))
        if (isAncestorOf(typing) && !typing->hasAcceptableInput()) return;
    try {
        vagaris::SaveSettings(session_.ProgramDir, session_.settings);
        saveFailureTold_ = false;
    } catch (const std::exception& e) {
        if (saveFailureTold_) return;
        saveFailureTold_ = true;
        app_->dialogs().error(this, tr("No se pudo guardar la configuración: %1").arg(TrError(e)));
    }
}

void TFAtmo::takeSite(const vagaris::SiteTexts& site) {
    app_->changeSettings([&](vagaris::Settings& s) {
        s.Lat = site.Lat;
        s.Alt = site.Alt;
        s.Lon = site.Lon;
    });
    conf_->showSettings();
    app_->guarded([&] { conf_->computeSite(); });
    app_->computeR();
}

void TFAtmo::OfferCatalogs() {
    if (!vagaris::HoldsNoCatalog(session_.ProgramDir)) return;
    const QString folder = QString::fromStdString(session_.ProgramDir);
    const vagaris::Settings& s = session_.settings;
    FirstRunDialog box(tr("No hay catálogos en %1.").arg(folder),
                       {tr("Descargar catálogos"), tr("Usar catálogos de ejemplo"), tr("Cerrar")},
                       {s.Lat, s.Alt, s.Lon}, ReadCities(cityDatabase_), this);
    int answer = FirstRunDialog::Close;
    if (app_->dialogs().exec(box) == QDialog::Accepted) {
        takeSite(box.site());
        answer = box.choice();
    }
    if (answer == FirstRunDialog::Download) {
        if (auto* page = pages_->findChild<QWidget*>(QStringLiteral("tsDescargas")))
            pages_->setCurrentWidget(page);
    } else if (answer == FirstRunDialog::Samples) {
        const auto samples = vagaris::BundledSamplesDir(
            QCoreApplication::applicationDirPath().toStdString(), VAGARIS_SOURCE_SAMPLES_DIR);
        if (!samples) {
            app_->dialogs().error(this, tr("No se encuentran los catálogos de ejemplo"));
            return;
        }
        app_->guarded([&] { vagaris::CopySampleCatalogs(*samples, session_.ProgramDir); });
    }
}

void TFAtmo::PageControl1Change(int index) {
    if (auto* page = qobject_cast<Page*>(pages_->widget(index))) page->pageEntered();
}
