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
#include "shell/AppController.h"
#include "shell/Dialogs.h"
#include "shell/MaskedEdit.h"

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

    auto* yearCaption = new QLabel(QStringLiteral("Año"), this);
    Edit4 = new QLineEdit(QString::number(kStartYear), this);
    Edit4->setObjectName(QStringLiteral("Edit4"));
    Edit4->setReadOnly(true);
    Edit4->setFixedWidth(56);
    // The up-down arrows bound to Edit4: only the arrows show, the year is read in Edit4.
    udAno = new QSpinBox(this);
    udAno->setObjectName(QStringLiteral("udAno"));
    udAno->setRange(kFirstYear, kLastYear);
    udAno->setValue(kStartYear);
    udAno->setFixedWidth(20);
    udAno->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    yearCaption->setBuddy(udAno);

    Button5 = new QPushButton(QStringLiteral("Procesar"), this);
    Button5->setObjectName(QStringLiteral("Button5"));
    Button7 = new QPushButton(QStringLiteral("Fijar fecha"), this);
    Button7->setObjectName(QStringLiteral("Button7"));
    Button7->setEnabled(false);
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    SpeedButton1->setToolTip(QStringLiteral("Guardar la lista"));

    ListBox2 = new QListWidget(this);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setSelectionMode(QAbstractItemView::SingleSelection);
    QFont listFont(QStringLiteral("Courier New"));
    listFont.setStyleHint(QFont::TypeWriter);
    listFont.setFixedPitch(true);
    if (!QFontInfo(listFont).fixedPitch()) {
        const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        listFont.setFamily(fixed.family());
    }
    ListBox2->setFont(listFont);

    auto* controls = new QHBoxLayout;
    controls->addWidget(yearCaption);
    controls->addWidget(Edit4);
    controls->addWidget(udAno);
    controls->addSpacing(12);
    controls->addWidget(Button5);
    controls->addWidget(Button7);
    controls->addStretch(1);
    controls->addWidget(SpeedButton1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(ListBox2, 1);

    connect(udAno, &QSpinBox::valueChanged, this, &AntiPage::udAnoChange);
    connect(Button5, &QPushButton::clicked, this, &AntiPage::Button5Click);
    connect(Button7, &QPushButton::clicked, this, &AntiPage::Button7Click);
    connect(ListBox2, &QListWidget::itemClicked, this, &AntiPage::ListBox2Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &AntiPage::SpeedButton1Click);
    connect(&app_, &AppController::catalogReplaced, this, &AntiPage::resetList);
}

void AntiPage::clearList() {
    auto& session = app_.session();
    session.AntiTail.clear();
    ListBox2->clear();
    ++listGeneration_;
    Button7->setEnabled(false);
}

void AntiPage::udAnoChange(int year) {
    Edit4->setText(QString::number(year));
    Button5->setEnabled(true);
    clearList();
}

void AntiPage::resetList() {
    clearList();
    // The emptied list can be searched again for the same year.
    Button5->setEnabled(true);
}

void AntiPage::pageEntered() {
    app_.guarded([&] {
        auto& session = app_.session();
        // The shown list is the session's: a list the session no longer holds is not shown.
        if (session.AntiTail.empty() != (ListBox2->count() == 0)) resetList();
        if (!session.AntiTail.empty()) return;

        // The year of the Selección date as its box shows it ("dd/mm/yyyy").
        std::string dateText;
        if (auto* meFecha = window()->findChild<QLineEdit*>(QStringLiteral("meFecha")))
            dateText = MaskedText(meFecha).toStdString();
        else
            dateText = vagaris::FormatInstant("dd/mm/yyyy", session.CurrentInstant);
        const std::string yearText = dateText.size() > 6 ? dateText.substr(6, 4) : std::string();
        udAno->setValue(vagaris::ParseInt(yearText));
        runSearch();
    });
}

void AntiPage::Button5Click() {
    app_.guarded([&] { runSearch(); });
}

void AntiPage::runSearch() {
    auto& session = app_.session();
    Button7->setEnabled(false);
    Button5->setEnabled(false);
    clearList();
    const std::uint64_t myList = listGeneration_;

    const vagaris::AntiTailListing headings = vagaris::AntiTailHeadings();
    for (std::size_t k = 0; k < headings.lines.size(); ++k) {
        session.AntiTail.append(headings.lines[k], headings.hits[k]);
        ListBox2->addItem(QString::fromStdString(headings.lines[k]));
    }

    // The year cannot change under a running search; a catalog load can (it stops it).
    CountGuard running(runningSearches_);
    udAno->setEnabled(false);
    struct Restore {
        QSpinBox* spin;
        ~Restore() { spin->setEnabled(true); }
    } restoreYear{udAno};

    // A copy: a catalog load during the pending-message processing replaces the session's.
    const std::vector<std::string> cometLines = session.CometLines;
    const bool completed = vagaris::SearchAntiTail(
        cometLines, udAno->value(), [&](const std::string& line, const vagaris::AntiTailHit& hit) {
            session.AntiTail.append(line, hit);
            ListBox2->addItem(QString::fromStdString(line));
            // The list grows on screen while the search goes on; a year change or a catalog
            // load during it clears the list, which stops the search.
            QCoreApplication::processEvents();
            return listGeneration_ == myList;
        });
    if (completed) {
        ListBox2->clearSelection();
        ListBox2->setCurrentRow(-1);
    }
}

int AntiPage::selectedRow() const {
    const auto selected = ListBox2->selectedItems();
    return selected.isEmpty() ? -1 : ListBox2->row(selected.first());
}

void AntiPage::ListBox2Click() {
    if (runningSearches_ == 0) Button7->setEnabled(true);
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
    Button7->setEnabled(false);
}

void AntiPage::SpeedButton1Click() {
    const QString path = app_.dialogs().saveFile(
        this, QStringLiteral("Archivos de texto (*.txt)|*.txt"), QStringLiteral("txt"), QString());
    if (path.isEmpty()) return;
    app_.guarded([&] {
        vagaris::WriteFileAtomically(QFile::encodeName(path).toStdString(),
                                     vagaris::EncodeTextFile(app_.session().AntiTail.lines()));
    });
}
