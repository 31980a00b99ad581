#include "catalogs/download/DescargasPage.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "catalogs/CatalogInfo.h"
#include "catalogs/download/CatalogDownloader.h"
#include "catalogs/download/DownloadPlan.h"
#include "toolkit/AppController.h"
#include "toolkit/Dialogs.h"
#include "translations/Translations.h"

DescargasPage::DescargasPage(AppController& app, QWidget* parent) : Page(app, parent) {
    setObjectName(QStringLiteral("tsDescargas"));
    auto* group = new QGroupBox(tr("Descarga de archivos"), this);
    group->setObjectName(QStringLiteral("GroupBox2"));
    auto* grid = new QGridLayout(group);
    using Handler = void (DescargasPage::*)();
    const std::array<Handler, 5> handlers{
        &DescargasPage::Button25Click, &DescargasPage::Button26Click, &DescargasPage::Button27Click,
        &DescargasPage::Button28Click, &DescargasPage::Button29Click};
    for (std::size_t row = 0; row < vagaris::kCatalogs.size(); ++row) {
        const auto& catalog = vagaris::kCatalogs[row];
        auto* button = new QPushButton(
            QCoreApplication::translate("CoreText", catalog.downloadCaption), group);
        button->setObjectName(QString::fromLatin1(catalog.downloadButton));
        auto* bar = new QProgressBar(group);
        bar->setObjectName(QStringLiteral("ProgressBar%1").arg(row + 1));
        bar->setRange(0, 100);
        bar->setValue(0);
        grid->addWidget(button, int(row), 0);
        grid->addWidget(bar, int(row), 1);
        connect(button, &QPushButton::clicked, this, handlers[row]);
        buttons_[row] = button;
        bars_[row] = bar;
    }
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch(1);

    downloader_ = new CatalogDownloader(this);
    connect(downloader_, &CatalogDownloader::workBegin, this, &DescargasPage::IdHTTP1WorkBegin);
    connect(downloader_, &CatalogDownloader::work, this, &DescargasPage::IdHTTP1Work);
    connect(downloader_, &CatalogDownloader::finished, this,
            [this](bool ok, const QString&) { downloadEnded(ok, downloader_->lastFailure()); });
}

DescargasPage::~DescargasPage() {
    if (downloader_->busy()) QApplication::restoreOverrideCursor();
}

void DescargasPage::download(int slot) {
    // One transfer at a time: the buttons are disabled meanwhile, and a click that slips
    // through is ignored.
    if (downloader_->busy()) return;
    const auto& catalog = vagaris::kCatalogs[std::size_t(slot - 1)];
    bars_[std::size_t(slot - 1)]->setValue(0);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    DownloadSlot = slot;
    DownloadSize = 0;
    setButtonsEnabled(false);
    auto& session = app_.session();
    const QString target =
        QString::fromStdString(session.ProgramDir) + QString::fromLatin1(catalog.fileName);
    downloader_->start(slot - 1, target, vagaris::YearOfInstant(session.Now()));
}

void DescargasPage::downloadEnded(bool ok, const DownloadFailure& failure) {
    setButtonsEnabled(true);
    QApplication::restoreOverrideCursor();
    if (ok)
        bars_[std::size_t(DownloadSlot - 1)]->setValue(100);
    else  // the bar keeps its last position
        app_.dialogs().error(app_.dialogParent(), failureText(failure));
    emit downloadFinished(DownloadSlot, ok);
}

QString DescargasPage::failureText(const DownloadFailure& failure) const {
    // The reason tells the user whether to retry later, on a better line, or not at all (the
    // server refuses, its address is wrong); the file is named as vagaris-cli names it.
    const auto& catalog = vagaris::kCatalogs[std::size_t(DownloadSlot - 1)];
    return TrCore(vagaris::kDownloadFailedPattern)
        .arg(QString::fromLatin1(catalog.fileName), failure.text(TrCore));
}

void DescargasPage::IdHTTP1WorkBegin(qint64 announcedSize) { DownloadSize = announcedSize; }

void DescargasPage::IdHTTP1Work(qint64 bytesSoFar) {
    if (DownloadSlot < 1 || DownloadSlot > int(bars_.size())) return;
    if (const auto percent = vagaris::DownloadPercent(bytesSoFar, DownloadSize))
        bars_[std::size_t(DownloadSlot - 1)]->setValue(*percent);
}

void DescargasPage::setButtonsEnabled(bool enabled) {
    for (auto* button : buttons_) button->setEnabled(enabled);
}
