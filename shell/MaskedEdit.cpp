#include "shell/MaskedEdit.h"

#include <QEvent>
#include <QFocusEvent>
#include <QPointer>
#include <QTimer>

QString QtInputMask(const QString& classicMask) {
    const QStringList parts = classicMask.split(QLatin1Char(';'));
    QChar blank = QLatin1Char('_');
    if (parts.size() >= 3 && !parts[2].isEmpty()) blank = parts[2].at(0);
    QString mask;
    for (QChar c : parts[0]) {
        switch (c.unicode()) {
            case '0':
                mask += QLatin1Char('9');
                break;  // required digit
            case '9':
                mask += QLatin1Char('0');
                break;  // optional digit
            case '#':
                mask += QLatin1Char('#');
                break;  // optional digit or sign
            default:
                // Letters and signs that Qt reads as mask characters are escaped.
                if (QStringLiteral("AaNnXxDdHhBb><![]{}\\").contains(c)) mask += QLatin1Char('\\');
                mask += c;
        }
    }
    return mask + QLatin1Char(';') + blank;
}

QLineEdit* NewMaskedEdit(const QString& objectName, const QString& classicMask,
                         const QString& defaultText, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setInputMask(QtInputMask(classicMask));
    edit->setText(defaultText);
    return edit;
}

QString MaskedText(const QLineEdit* edit) {
    QString text = edit->displayText();
    const QString mask = edit->inputMask();
    const int sep = mask.lastIndexOf(QLatin1Char(';'));
    if (sep >= 0 && sep + 1 < mask.size()) text.replace(mask.at(sep + 1), QLatin1Char(' '));
    return text;
}

namespace {

// The box whose focus is being given back, if any. While that is pending, another box that
// loses the focus to it does not fight back, so two invalid boxes cannot pass the focus to
// each other forever.
QPointer<QLineEdit> gReclaiming;

class ExitCheck : public QObject {
  public:
    ExitCheck(QLineEdit* edit, std::function<bool(const QString&)> isValid,
              std::function<void()> onValidExit)
        : QObject(edit),
          edit_(edit),
          isValid_(std::move(isValid)),
          onValidExit_(std::move(onValidExit)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != edit_ || event->type() != QEvent::FocusOut) return false;
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
        if (gReclaiming && gReclaiming != edit_) return false;
        const bool valid =
            edit_->hasAcceptableInput() && (!isValid_ || isValid_(MaskedText(edit_)));
        if (!valid) {
            // Taking the focus back from inside its own focus-out confuses the widget that is
            // receiving it; do it once the change is over.
            gReclaiming = edit_;
            QPointer<QLineEdit> edit = edit_;
            QTimer::singleShot(0, edit_, [edit] {
                if (edit && edit->isVisible()) edit->setFocus(Qt::OtherFocusReason);
                gReclaiming = nullptr;
            });
        } else if (onValidExit_) {
            onValidExit_();
        }
        return false;
    }

  private:
    QLineEdit* edit_;
    std::function<bool(const QString&)> isValid_;
    std::function<void()> onValidExit_;
};

}  // namespace

void InstallExitCheck(QLineEdit* edit, std::function<bool(const QString&)> isValid,
                      std::function<void()> onValidExit) {
    edit->installEventFilter(new ExitCheck(edit, std::move(isValid), std::move(onValidExit)));
}
