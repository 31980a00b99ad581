#include "toolkit/Dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

void QtDialogs::message(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, kApplicationTitle, text);
}
void QtDialogs::error(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, kApplicationTitle, text);
}
void QtDialogs::warning(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, kApplicationTitle, text);
}
int QtDialogs::ask(QWidget* parent, const QString& text, const QStringList& buttons) {
    QMessageBox box(QMessageBox::Question, kApplicationTitle, text, QMessageBox::NoButton, parent);
    QList<QAbstractButton*> added;
    for (qsizetype k = 0; k < buttons.size(); ++k)
        added << box.addButton(buttons[k], k + 1 == buttons.size() ? QMessageBox::RejectRole
                                                                   : QMessageBox::AcceptRole);
    if (!added.isEmpty()) {
        box.setDefaultButton(qobject_cast<QPushButton*>(added.first()));
        box.setEscapeButton(added.last());
    }
    box.exec();
    const auto chosen = added.indexOf(box.clickedButton());
    return chosen >= 0 ? int(chosen) : int(buttons.size()) - 1;
}
QString QtDialogs::openFile(QWidget* parent, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, QString(), QString(), QtFilterFromPipes(filter));
}
QString QtDialogs::saveFile(QWidget* parent, const QString& filter, const QString& defaultExt,
                            const QString& proposedName) {
    QFileDialog dialog(parent, QString(), QString(), QtFilterFromPipes(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultExt);
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}
int QtDialogs::exec(QDialog& dialog) { return dialog.exec(); }

QString QtFilterFromPipes(const QString& pipes) {
    const QStringList parts = pipes.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) out << parts[i];
    return out.join(QStringLiteral(";;"));
}
