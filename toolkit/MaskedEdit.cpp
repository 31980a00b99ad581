#include "toolkit/MaskedEdit.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

QString QtInputMask(const QString& classicMask) {
    const QStringList parts = classicMask.split(QLatin1Char(';'));
    QChar blank = QLatin1Char('_');
    if (parts.size() >= 3 && !parts[2].isEmpty()) blank = parts[2].at(0);
    QString mask;
    for (QChar c : parts[0]) {
        switch (c.unicode()) {
            case '0': mask += QLatin1Char('9'); break;  // required digit
            case '9': mask += QLatin1Char('0'); break;  // optional digit
            case '#': mask += QLatin1Char('#'); break;  // optional digit or sign
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
          onValidExit_(std::move(onValidExit)) {
        setObjectName(QStringLiteral("ExitCheck"));
    }

    bool textMayStay() const {
        return edit_->hasAcceptableInput() && (!isValid_ || isValid_(MaskedText(edit_)));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != edit_ || event->type() != QEvent::FocusOut) return false;
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
        if (gReclaiming && gReclaiming != edit_) return false;
        if (!textMayStay()) {
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

// False when `w` is a box whose exit check would keep the focus in it.
bool FocusMayLeave(const QWidget* w) {
    if (!w) return true;
    const auto* check =
        w->findChild<QObject*>(QStringLiteral("ExitCheck"), Qt::FindDirectChildrenOnly);
    return !check || static_cast<const ExitCheck*>(check)->textMayStay();
}

// Swallows the page changes the user asks for while the focused box may not be left.
class PageChangeGuard : public QObject {
public:
    explicit PageChangeGuard(QTabWidget* pages) : QObject(pages), tabs_(pages->tabBar()) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The tab bar changes page on a click or a wheel turn; the page control on Ctrl+Tab
        // and Ctrl+PgUp/PgDown that the focused box passes on.
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::Wheel:
                if (watched != tabs_) return false;
                break;
            case QEvent::KeyPress: {
                if (watched == tabs_) return false;
                const auto* key = static_cast<QKeyEvent*>(event);
                const bool pageKey = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
                                     key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown;
                if (!pageKey || !(key->modifiers() & Qt::ControlModifier)) return false;
                break;
            }
            default: return false;
        }
        return !FocusMayLeave(QApplication::focusWidget());
    }

private:
    QTabBar* tabs_;
};

}  // namespace

void KeepInvalidBoxOnItsPage(QTabWidget* pages) {
    auto* guard = new PageChangeGuard(pages);
    pages->tabBar()->installEventFilter(guard);
    pages->installEventFilter(guard);
}

void InstallExitCheck(QLineEdit* edit, std::function<bool(const QString&)> isValid,
                      std::function<void()> onValidExit) {
    edit->installEventFilter(new ExitCheck(edit, std::move(isValid), std::move(onValidExit)));
}
