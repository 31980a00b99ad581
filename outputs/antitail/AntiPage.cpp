#include "outputs/antitail/AntiPage.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>

#include "core/TextFile.h"
#include "core/TextForms.h"
#include "core/Time.h"
#include "outputs/antitail/AntiTailSearch.h"
#include "toolkit/AppController.h"
#include "toolkit/Dialogs.h"
#include "toolkit/MaskedEdit.h"
#include "translations/Translations.h"

namespace {

constexpr int kFirstYear = 1000;
constexpr int kLastYear = 3000;
constexpr int kStartYear = 2000;

// Decrements a counter on every way out of a scope.
struct CountGuard {
    int& count;
    explicit CountGuard(int& c) : count(c) { ++count; }
    ~CountGuard() { --count; }
};

}  // namespace

AntiPage::AntiPage(AppController& app, QWidget* parent) : Page(app, parent) {
    setObjectName(QStringLiteral("tsAnti"));

    auto* yearCaption = new QLabel(tr("Año"), this);
    yearBox_ = new QLineEdit(QString::number(kStartYear), this);
    yearBox_->setObjectName(QStringLiteral("Edit4"));
    yearBox_->setReadOnly(true);
    yearBox_->setFixedWidth(56);
    // The up-down arrows bound to Edit4: only the arrows show, the year is read in Edit4.
    yearArrows_ = new QSpinBox(this);
    yearArrows_->setObjectName(QStringLiteral("udAno"));
    yearArrows_->setRange(kFirstYear, kLastYear);
    yearArrows_->setValue(kStartYear);
    yearArrows_->setFixedWidth(20);
    yearArrows_->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    yearCaption->setBuddy(yearArrows_);

    processButton_ = new QPushButton(tr("Procesar"), this);
    processButton_->setObjectName(QStringLiteral("Button5"));
    setDateButton_ = new QPushButton(tr("Fijar fecha"), this);
    setDateButton_->setObjectName(QStringLiteral("Button7"));
    setDateButton_->setEnabled(false);
    saveButton_ = new QToolButton(this);
    saveButton_->setObjectName(QStringLiteral("SpeedButton1"));
    saveButton_->setAutoRaise(true);
    saveButton_->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    saveButton_->setToolTip(tr("Guardar la lista"));

    hitList_ = new QListWidget(this);
    hitList_->setObjectName(QStringLiteral("ListBox2"));
    hitList_->setSelectionMode(QAbstractItemView::SingleSelection);
    QFont listFont(QStringLiteral("Courier New"));
    listFont.setStyleHint(QFont::TypeWriter);
    listFont.setFixedPitch(true);
    if (!QFontInfo(listFont).fixedPitch()) {
        const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        listFont.setFamily(fixed.family());
    }
    hitList_->setFont(listFont);

    auto* controls = new QHBoxLayout;
    controls->addWidget(yearCaption);
    controls->addWidget(yearBox_);
    controls->addWidget(yearArrows_);
    controls->addSpacing(12);
    controls->addWidget(processButton_);
    controls->addWidget(setDateButton_);
    controls->addStretch(1);
    controls->addWidget(saveButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(hitList_, 1);

    connect(yearArrows_, &QSpinBox::valueChanged, this, &AntiPage::udAnoChange);
    connect(processButton_, &QPushButton::clicked, this, &AntiPage::Button5Click);
    connect(setDateButton_, &QPushButton::clicked, this, &AntiPage::Button7Click);
    connect(hitList_, &QListWidget::itemClicked, this, &AntiPage::ListBox2Click);
    connect(saveButton_, &QToolButton::clicked, this, &AntiPage::SpeedButton1Click);
    connect(&app_, &AppController::catalogReplaced, this, &AntiPage::resetList);
}

void AntiPage::clearList() {
    auto& session = app_.session();
    session.AntiTail.clear();
    hitList_->clear();
    ++listGeneration_;
    setDateButton_->setEnabled(false);
}

void AntiPage::udAnoChange(int year) {
    yearBox_->setText(QString::number(year));
    processButton_->setEnabled(true);
    clearList();
}

void AntiPage::resetList() {
    clearList();
    // The emptied list can be searched again for the same year.
    processButton_->setEnabled(true);
}

void AntiPage::pageEntered() {
    app_.guarded([&] {
        auto& session = app_.session();
        // The shown list is the session's: a list the session no longer holds is not shown.
        if (session.AntiTail.empty() != (hitList_->count() == 0)) resetList();
        if (!session.AntiTail.empty()) return;

        // The year of the Selección date as its box shows it ("dd/mm/yyyy").
        std::string dateText;
        if (auto* meFecha = window()->findChild<QLineEdit*>(QStringLiteral("meFecha")))
            dateText = MaskedText(meFecha).toStdString();
        else
            dateText = vagaris::FormatInstant("dd/mm/yyyy", session.CurrentInstant);
        const std::string yearText = dateText.size() > 6 ? dateText.substr(6, 4) : std::string();
        yearArrows_->setValue(vagaris::ParseInt(yearText));
        runSearch();
    });
}

void AntiPage::Button5Click() {
    app_.guarded([&] { runSearch(); });
}

void AntiPage::runSearch() {
    auto& session = app_.session();
    setDateButton_->setEnabled(false);
    processButton_->setEnabled(false);
    clearList();
    const std::uint64_t myList = listGeneration_;

    const vagaris::AntiTailListing headings = vagaris::AntiTailHeadings(TrCoreUtf8);
    for (std::size_t k = 0; k < headings.lines.size(); ++k) {
        session.AntiTail.append(headings.lines[k], headings.hits[k]);
        hitList_->addItem(QString::fromStdString(headings.lines[k]));
    }

    // The year cannot change under a running search; a catalog load can (it stops it).
    CountGuard running(runningSearches_);
    yearArrows_->setEnabled(false);
    struct Restore {
        QSpinBox* spin;
        ~Restore() { spin->setEnabled(true); }
    } restoreYear{yearArrows_};

    // A copy: a catalog load during the pending-message processing replaces the session's.
    const std::vector<std::string> cometLines = session.CometLines;
    const bool completed = vagaris::SearchAntiTail(
        cometLines, yearArrows_->value(),
        [&](const std::string& line, const vagaris::AntiTailHit& hit) {
            session.AntiTail.append(line, hit);
            hitList_->addItem(QString::fromStdString(line));
            // The list grows on screen while the search goes on; a year
            // change or a catalog load during it clears the list, which
            // stops the search.
            QCoreApplication::processEvents();
            return listGeneration_ == myList;
        },
        vagaris::ObserverFromSettings(session.settings));
    if (completed) {
        hitList_->clearSelection();
        hitList_->setCurrentRow(-1);
    }
}

int AntiPage::selectedRow() const {
    const auto selected = hitList_->selectedItems();
    return selected.isEmpty() ? -1 : hitList_->row(selected.first());
}

void AntiPage::ListBox2Click() {
    if (runningSearches_ == 0) setDateButton_->setEnabled(true);
}

void AntiPage::Button7Click() {
    app_.guarded([&] {
        auto& session = app_.session();
        // The hit carries its comet and instant; the line's text is never re-read. The list
        // belongs to the loaded catalog: a catalog load empties it.
        const std::optional<vagaris::AntiTailHit> hit = session.AntiTail.cometHitAt(selectedRow());
        if (!hit || hit->cometIndex >= static_cast<int>(session.CatalogLines.size())) return;
        app_.chooseObject(hit->cometIndex);
        app_.setCurrentInstant(vagaris::AntiTailTakeOverInstant(*hit));
        app_.requestPage(QStringLiteral("Suelo"));
    });
    setDateButton_->setEnabled(false);
}

void AntiPage::SpeedButton1Click() {
    const QString path = app_.dialogs().saveFile(this, tr("Archivos de texto (*.txt)|*.txt"),
                                                 QStringLiteral("txt"), QString());
    if (path.isEmpty()) return;
    app_.guarded([&] {
        vagaris::WriteFileAtomically(QFile::encodeName(path).toStdString(),
                                     vagaris::EncodeTextFile(app_.session().AntiTail.lines()));
    });
}
