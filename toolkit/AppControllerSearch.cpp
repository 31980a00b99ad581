// Button3Click: the MPCOrb.dat search of the Selección page.
#include <filesystem>

#include "catalogs/CatalogInfo.h"
#include "catalogs/SessionCatalog.h"
#include "catalogs/mpcorb/MpcOrbSearch.h"
#include "catalogs/mpcorb/SearchKey.h"
#include "toolkit/AppController.h"
#include "toolkit/Dialogs.h"
#include "translations/Translations.h"

void AppController::searchMpcOrb(const QString& typed) {
    bool found = false;
    guarded([&] {
        const std::string& path = session_.settings.MpcOrbPath;
        if (const auto problem = vagaris::MpcOrbFileProblem(path)) {
            dialogs_.error(dialogParent_, TrMessage(*problem));
            return;
        }
        if (typed.isEmpty()) return;
        // The box upper-cases what is typed; text set by program code is treated the same.
        const auto hit = vagaris::SearchMpcOrb(path, vagaris::UpperCaseAscii(typed.toStdString()));
        if (!hit) {
            dialogs_.error(dialogParent_,
                           TrMessage(vagaris::AsteroidNotFoundMessage(typed.toStdString())));
            return;
        }
        installSearchHit(*hit);
        found = true;
    });
    // Unlike choosing a catalog object, the search keeps CurrentInstant.
    if (found) computeR();
}

void AppController::installSearchHit(const vagaris::TOrbitalElements& hit) {
    // The found object replaces the catalog choice: no radio button, no comet list,
    // no anti-tail results, the object alone in the (disabled) selectors. The loaded
    // catalog's lines stay; a radio button release reloads and re-enables everything.
    vagaris::InstallSearchHit(session_, hit);
    emit catalogChoiceCleared();
    emit catalogReplaced();
    emit selectorsReset();
    emit selectorIndexChanged(0);
    emit elementsChanged();
}

void AppController::takeOverRankedObject(const std::string& path, int index,
                                         const std::string& line, vagaris::Instant when) {
    bool taken = false;
    guarded([&] {
        if (index < 0) {
            installSearchHit(vagaris::ParseMpcOrbLine(line));
            taken = true;
            return;
        }
        const std::string name = std::filesystem::path(path).filename().string();
        int catalog = -1;
        for (std::size_t k = 0; k < vagaris::kCatalogs.size(); ++k)
            if (name == vagaris::kCatalogs[k].fileName) catalog = int(k);
        if (catalog < 0) return;
        const auto holdsRow = [&] {
            return loadedCatalog_ == catalog && index < int(session_.CatalogLines.size()) &&
                   session_.CatalogLines[std::size_t(index)] == line;
        };
        // The catalog in memory may be an older reading of the file: then it is read again.
        if (!holdsRow()) {
            loadCatalog(catalog);
            if (loadedCatalog_ != catalog) return;
            emit catalogChecked(catalog);
            if (!holdsRow()) {
                dialogs_.error(dialogParent_,
                               QStringLiteral("El catálogo ha cambiado: vuelva a calcular"));
                return;
            }
        }
        if (!vagaris::SelectCatalogObject(session_, index)) return;
        emit selectorIndexChanged(index);
        emit elementsChanged();
        taken = true;
    });
    if (!taken) return;
    setCurrentInstant(when);
    computeR();
    requestPage(QStringLiteral("Suelo"));
}
