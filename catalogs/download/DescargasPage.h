#pragma once
// "Descarga de archivos": one button and one progress bar per element catalog. A download
// replaces the catalog file in ProgramDir; it does not reload it (the catalog's radio button
// on the Selección page does that).
#include <QtGlobal>
#include <array>

#include "toolkit/Page.h"

class CatalogDownloader;
struct DownloadFailure;
class QProgressBar;
class QPushButton;

class DescargasPage : public Page {
    Q_OBJECT
public:
    explicit DescargasPage(AppController& app, QWidget* parent = nullptr);
    ~DescargasPage() override;

    // The row (1..5) of the download in progress, or of the last one.
    int DownloadSlot = 0;
    // The size the transfer announced [bytes]; ≤ 0 when it announced none.
    qint64 DownloadSize = 0;

    // Start-of-transfer event: the announced size.
    void IdHTTP1WorkBegin(qint64 announcedSize);
    // Progress event: moves the bar of DownloadSlot when the size is known.
    void IdHTTP1Work(qint64 bytesSoFar);

signals:
    // The end of the download of row `slot`, after the bar, cursor and message.
    void downloadFinished(int slot, bool ok);

private:
    // Button25 ... Button29, one per catalog (captions in CatalogInfo.h): download that row.
    void Button25Click() { download(1); }
    void Button26Click() { download(2); }
    void Button27Click() { download(3); }
    void Button28Click() { download(4); }
    void Button29Click() { download(5); }
    void download(int slot);  // starts the download of row `slot`, buttons disabled
    // Bar, cursor and message (`failure` says why when not `ok`), buttons enabled again.
    void downloadEnded(bool ok, const DownloadFailure& failure);
    void setButtonsEnabled(bool enabled);
    // The error message of a failed download, in the interface language: "Error descargando
    // archivo" and, on a second line, the file and the reason ("CometsCR.dat: el servidor no
    // tiene el archivo (HTTP 404)").
    QString failureText(const DownloadFailure& failure) const;

    CatalogDownloader* downloader_ = nullptr;
    std::array<QPushButton*, 5> buttons_{};  // Button25 ... Button29 (in GroupBox2)
    std::array<QProgressBar*, 5> bars_{};    // ProgressBar1 ... ProgressBar5
};
