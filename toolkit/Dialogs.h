#pragma once
// The one seam for modal windows: message boxes, file dialogs and modal dialogs. The window
// uses QtDialogs; tests install a fake that answers at once, so no test blocks.
#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Plain message (no caption of its own beyond the application title, information icon).
    virtual void message(QWidget* parent, const QString& text) = 0;
    // Message box titled with the application title, error icon.
    virtual void error(QWidget* parent, const QString& text) = 0;
    // Message box titled with the application title, exclamation (warning) icon.
    virtual void warning(QWidget* parent, const QString& text) = 0;
    // Message box titled with the application title, question icon, one button per caption
    // in `buttons` (the last one also answers Escape and the close button). Returns the index
    // of the button chosen.
    virtual int ask(QWidget* parent, const QString& text, const QStringList& buttons) = 0;
    // File-open dialog. `filter` uses the "Text (*.ext)|*.ext|..." notation. Returns the chosen
    // path, or an empty text when cancelled.
    virtual QString openFile(QWidget* parent, const QString& filter) = 0;
    // Save dialog with a default extension (without the dot) and a proposed file name.
    // Returns the chosen path (the default extension added when the name has none), or an
    // empty text when cancelled.
    virtual QString saveFile(QWidget* parent, const QString& filter, const QString& defaultExt,
                             const QString& proposedName) = 0;
    // Runs a modal dialog (the date picker, the Tisserand calculator). Returns its result
    // (QDialog::Accepted or QDialog::Rejected). A fake may fill the dialog's controls, found
    // by objectName, and click its buttons instead of showing it.
    virtual int exec(QDialog& dialog) = 0;
};

// Real modal windows.
class QtDialogs : public Dialogs {
public:
    void message(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    void warning(QWidget* parent, const QString& text) override;
    int ask(QWidget* parent, const QString& text, const QStringList& buttons) override;
    QString openFile(QWidget* parent, const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& filter, const QString& defaultExt,
                     const QString& proposedName) override;
    int exec(QDialog& dialog) override;
};

// The application title used as the caption of every message box.
inline const QString kApplicationTitle = QStringLiteral("Vagaris");
// "Gif (*.gif)|*.gif|Bitmaps (*.bmp)|*.bmp" → "Gif (*.gif);;Bitmaps (*.bmp)".
QString QtFilterFromPipes(const QString& pipes);
