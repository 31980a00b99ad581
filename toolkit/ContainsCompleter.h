#pragma once
// Typing into a drop-down list: every item whose text contains what was typed is offered,
// with case and accents ignored ("hale" offers "C/1995 O1 (Hale-Bopp)", "caceres" offers
// "Cáceres"). Choosing an offered item is choosing it from the list: the combo box emits
// `activated` with the item's row, as for a click in its list.
#include <QString>

class QComboBox;

// The text as it is matched: decomposed, without its combining marks, case-folded. The same
// for every locale.
QString FoldForMatching(const QString& text);

// Makes `combo` editable (typed text never becomes an item) with a completer in "contains"
// mode over its items. Call RefreshContainsCompleter after the items change. Leaving the box
// with a text that is not an item's shows the current item again.
void InstallContainsCompleter(QComboBox* combo);
// Folds the items' texts again (after the combo box was refilled).
void RefreshContainsCompleter(QComboBox* combo);
