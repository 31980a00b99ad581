#include "toolkit/ContainsCompleter.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QTimer>

namespace {

// The item data the completer matches against: the item's text folded once, when the list is
// filled, so typing into a catalog of thousands of names folds only what was typed.
constexpr int kFoldedRole = Qt::UserRole + 40;

// Matches the folded texts with the folded typed text; what the box shows is the item's own
// text.
class FoldingCompleter : public QCompleter {
public:
    FoldingCompleter(QAbstractItemModel* model, QObject* parent) : QCompleter(model, parent) {
        setCompletionRole(kFoldedRole);
        setFilterMode(Qt::MatchContains);
        setCaseSensitivity(Qt::CaseSensitive);  // both sides are folded already
        setCompletionMode(QCompleter::PopupCompletion);
        setMaxVisibleItems(12);
    }
    QStringList splitPath(const QString& path) const override { return {FoldForMatching(path)}; }
    QString pathFromIndex(const QModelIndex& index) const override {
        return index.data(Qt::DisplayRole).toString();
    }
};

}  // namespace

QString FoldForMatching(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing) out += c;
    return out.toCaseFolded();
}

void RefreshContainsCompleter(QComboBox* combo) {
    for (int k = 0; k < combo->count(); ++k)
        combo->setItemData(k, FoldForMatching(combo->itemText(k)), kFoldedRole);
}

void InstallContainsCompleter(QComboBox* combo) {
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    auto* completer = new FoldingCompleter(combo->model(), combo);
    combo->setCompleter(completer);
    RefreshContainsCompleter(combo);
    // A text left half-typed would look like a choice that was never made.
    QLineEdit* edit = combo->lineEdit();
    QObject::connect(edit, &QLineEdit::editingFinished, combo, [combo] {
        // After the combo box's own handling of the same signal, which may choose the item
        // whose text was typed in full.
        QTimer::singleShot(0, combo, [combo] {
            if (combo->completer() && combo->completer()->popup()->isVisible()) return;
            const QString shown = combo->itemText(combo->currentIndex());  // "" for none
            if (combo->lineEdit()->text() != shown) combo->lineEdit()->setText(shown);
        });
    });
}
