// Button3Click: the MPCOrb.dat search of the Selección page.
#include "catalogs/mpcorb/MpcOrbSearch.h"
#include "catalogs/mpcorb/SearchKey.h"
#include "shell/AppController.h"
#include "shell/Dialogs.h"

void AppController::searchMpcOrb(const QString& typed) {
    bool found = false;
    guarded([&] {
        const std::string& path = session_.settings.MpcOrbPath;
        if (const std::string problem = vagaris::MpcOrbFileProblem(path); !problem.empty()) {
            dialogs_.error(dialogParent_, QString::fromStdString(problem));
            return;
        }
        if (typed.isEmpty()) return;
        // The box upper-cases what is typed; text set by program code is treated the same.
        const auto hit = vagaris::SearchMpcOrb(path, vagaris::UpperCaseAscii(typed.toStdString()));
        if (!hit) {
            dialogs_.error(
                dialogParent_,
                QString::fromStdString(vagaris::AsteroidNotFoundMessage(typed.toStdString())));
            return;
        }
        // The found object replaces the catalog choice: no radio button, no comet list,
        // no anti-tail results, the object alone in the (disabled) selectors. The loaded
        // catalog's lines stay; a radio button release reloads and re-enables everything.
        vagaris::InstallSearchHit(session_, *hit);
        emit catalogChoiceCleared();
        emit catalogReplaced();
        emit selectorsReset();
        emit selectorIndexChanged(0);
        emit elementsChanged();
        found = true;
    });
    // Unlike choosing a catalog object, the search keeps CurrentInstant.
    if (found) computeR();
}
