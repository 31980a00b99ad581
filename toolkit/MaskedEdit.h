#pragma once
// Masked edit boxes: the masks are written in the classic notation ("0" a required digit,
// "9" an optional digit, "#" an optional digit or sign, then ";1;_" for the blank
// character), which is translated into Qt's inputMask. An exit check keeps the focus in a
// box whose text is incomplete or invalid, without a message.
#include <QLineEdit>
#include <QString>
#include <functional>

class QTabWidget;

// "00/00/0000" → "99/99/9999;_"; "#00;1;_" → "#99;_". The blank character is "_" unless
// the mask names another.
QString QtInputMask(const QString& classicMask);

// A QLineEdit with the translated mask and the default text.
QLineEdit* NewMaskedEdit(const QString& objectName, const QString& classicMask,
                         const QString& defaultText, QWidget* parent = nullptr);

// The box's text as the user sees it, with unfilled positions as blanks, so every character
// stays at its column ("+40", " 40", "12/05/2024").
QString MaskedText(const QLineEdit* edit);

// Runs when `edit` loses the focus to another control of the same window: when the mask is
// not complete or `isValid` rejects the text, the focus goes back to the box (no message);
// otherwise `onValidExit` runs. Losing the focus to another window (a message box) checks
// nothing.
void InstallExitCheck(QLineEdit* edit, std::function<bool(const QString&)> isValid,
                      std::function<void()> onValidExit = {});

// The page control does not change page (tab click, wheel over the tabs, Ctrl+Tab) while the
// focused box's exit check fails, so a box cannot be left half-filled by going to another page.
void KeepInvalidBoxOnItsPage(QTabWidget* pages);
