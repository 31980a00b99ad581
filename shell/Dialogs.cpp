#include "shell/Dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

void QtDialogs::message(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, kApplicationTitle, text);
}
void QtDialogs::error(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, kApplicationTitle, text);
}
void QtDialogs::warning(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, kApplicationTitle, text);
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
