#include "toolkit/AppController.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDateTime>
#include <QFileInfo>
#include <QSignalBlocker>

#include "catalogs/CatalogInfo.h"
#include "catalogs/LineFormats.h"
#include "catalogs/SessionCatalog.h"
#include "core/Circumstances.h"
#include "core/TextForms.h"
#include "core/InstantStep.h"
#include "toolkit/BusyCursor.h"
#include "toolkit/ContainsCompleter.h"
#include "toolkit/Dialogs.h"
#include "toolkit/TFCalen.h"
#include "translations/Translations.h"

namespace {

vagaris::Instant InstantOfFileTime(const QDateTime& modified) {
    return vagaris::InstantOfUnixMilliseconds(modified.toMSecsSinceEpoch());
}

QDate DateOfInstant(vagaris::Instant t) {
    const auto f = vagaris::DecodeInstant(t);
    return QDate(f.year, f.month, f.day);
}

}  // namespace

AppController::AppController(vagaris::Session& session, Dialogs& dialogs, QObject* parent)
    : QObject(parent), session_(session), dialogs_(dialogs) {}

bool AppController::guarded(const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const std::exception& e) {
        // A message of the pure code is its own identifier, or carries its pattern and values
        // (core/Message.h): either way it is shown translated whole.
        dialogs_.error(dialogParent_, TrError(e));
        return false;
    }
}

bool AppController::computeR() {
    bool computed = false;
    guarded([&] {
        if (!vagaris::ComputeCircumstances(session_, vagaris::CircumstanceMode::R)) return;
        computed = true;
        emit selectionTextsChanged(vagaris::SelectionPageTexts(session_, InterfaceUnitWords()));
        emit circumstancesComputed();
    });
    return computed;
}

void AppController::setCurrentInstant(vagaris::Instant t, DateDisplay display) {
    vagaris::SetCurrentInstant(session_, t);
    emit currentInstantChanged(display);
}

void AppController::setNowAndCompute() {
    setCurrentInstant(session_.Now());
    computeR();
}

void AppController::chooseObject(int index) {
    setCurrentInstant(session_.Now());
    if (!vagaris::SelectCatalogObject(session_, index)) return;
    emit selectorIndexChanged(index);
    emit elementsChanged();
    computeR();
}

void AppController::loadCatalog(int catalogIndex) {
    BusyCursor busy;
    // Let the window draw the cursor before the work starts.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (catalogIndex < 0 || catalogIndex >= int(vagaris::kCatalogs.size())) return;
    const vagaris::CatalogInfo& catalog = vagaris::kCatalogs[std::size_t(catalogIndex)];
    const QString path =
        QString::fromStdString(session_.ProgramDir) + QString::fromLatin1(catalog.fileName);
    const QFileInfo file(path);
    if (!file.exists()) {
        dialogs_.message(dialogParent_, tr("Archivo no encontrado"));
        dialogs_.error(dialogParent_, tr("Archivo de elementos orbitales no encontrado"));
        requestPage(QStringLiteral("tsDescargas"));
        return;
    }
    emit catalogLoadStarted();

    // Age from the file's modification time to the session's present, both absolute; a
    // file from the future gives a negative age and no warning.
    const double ageDays = session_.Now() - InstantOfFileTime(file.lastModified());
    const long long days = vagaris::RoundHalfEven(ageDays);
    if (days > 10) dialogs_.warning(dialogParent_, tr("Archivo descargado hace %1 días").arg(days));

    // Read first: an unreadable file leaves the previous catalog in place.
    std::vector<std::string> lines = vagaris::ReadCatalogLines(path.toStdString());

    vagaris::InstallCatalog(session_, catalog.kind, std::move(lines));
    loadedCatalog_ = catalogIndex;
    emit catalogReplaced();
    emit selectorsReset();
    if (session_.CatalogLines.empty()) {
        // The element boxes were emptied: nothing is computed until a catalog with objects.
        emit elementsChanged();
        return;
    }
    chooseObject(0);
}

void AppController::setStepAmountIndex(int index) {
    if (index == stepAmountIndex_) return;
    stepAmountIndex_ = index;
    emit stepControlsChanged();
}

void AppController::setStepUnitIndex(int index) {
    if (index == stepUnitIndex_) return;
    stepUnitIndex_ = index;
    emit stepControlsChanged();
}

void AppController::stepInstant(bool forward) {
    if (stepAmountIndex_ < 0 || stepAmountIndex_ >= int(vagaris::kStepAmounts.size())) return;
    const int amount = vagaris::kStepAmounts[std::size_t(stepAmountIndex_)];
    if (stepUnitIndex_ < vagaris::kStepYears || stepUnitIndex_ > vagaris::kStepMinutes) return;
    setCurrentInstant(vagaris::SteppedInstant(session_.CurrentInstant, forward ? amount : -amount,
                                              vagaris::StepUnit(stepUnitIndex_)));
    computeR();
}

void AppController::requestPage(const QString& name) { emit pageRequested(name); }

void AppController::bindObjectSelector(QComboBox* selector, std::function<void()> afterChange) {
    InstallContainsCompleter(selector);
    auto refill = [this, selector] {
        const QSignalBlocker block(selector);
        selector->clear();
        for (const std::string& name : session_.SelectorNames)
            selector->addItem(QString::fromStdString(name));
        RefreshContainsCompleter(selector);
        selector->setEnabled(session_.SelectorsEnabled);
        selector->setCurrentIndex(session_.SelectorIndex);
    };
    refill();
    connect(this, &AppController::selectorsReset, selector, refill);
    connect(this, &AppController::selectorIndexChanged, selector, [selector](int index) {
        const QSignalBlocker block(selector);
        selector->setCurrentIndex(index);
    });
    // `activated` comes only from the user's choice, never from setCurrentIndex.
    connect(selector, &QComboBox::activated, this, [this, afterChange](int index) {
        guarded([&] {
            chooseObject(index);
            if (afterChange) afterChange();
        });
    });
}

void AppController::changeSettings(const std::function<void(vagaris::Settings&)>& edit) {
    const vagaris::Settings before = session_.settings;
    edit(session_.settings);
    if (!(session_.settings == before)) emit settingsChanged();
}

std::optional<QDate> AppController::pickDate(const QDate& initial) {
    TFCalen picker([this] { return DateOfInstant(session_.Now()); }, dialogParent_);
    picker.setDate(initial);
    if (dialogs_.exec(picker) != QDialog::Accepted) return std::nullopt;
    return picker.date();
}
