#pragma once
// Answers every modal window at once and records what was shown.
#include <QDialog>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

#include "toolkit/Dialogs.h"

struct FakeDialogs : Dialogs {
    struct Shown {
        QString kind;  // "message", "error", "warning"
        QString text;
    };
    std::vector<Shown> shown;
    // The questions asked (ask()), apart from `shown`, and the next answers (button indexes;
    // none left = the last button, as Escape).
    struct Asked {
        QString text;
        QStringList buttons;
    };
    std::vector<Asked> asked;
    std::deque<int> askAnswers;
    std::deque<QString> openAnswers;  // next answers of openFile ("" = cancel)
    std::deque<QString> saveAnswers;  // next answers of saveFile ("" = cancel)
    QString lastSaveFilter, lastSaveDefaultExt, lastSaveProposed;
    // Called for exec(); fills the dialog and returns its result. Default: rejected.
    std::function<int(QDialog&)> onExec;

    void message(QWidget*, const QString& t) override { shown.push_back({"message", t}); }
    void error(QWidget*, const QString& t) override { shown.push_back({"error", t}); }
    void warning(QWidget*, const QString& t) override { shown.push_back({"warning", t}); }
    int ask(QWidget*, const QString& t, const QStringList& buttons) override {
        asked.push_back({t, buttons});
        if (askAnswers.empty()) return int(buttons.size()) - 1;
        const int a = askAnswers.front();
        askAnswers.pop_front();
        return a;
    }
    QString openFile(QWidget*, const QString&) override {
        if (openAnswers.empty()) return {};
        QString a = openAnswers.front();
        openAnswers.pop_front();
        return a;
    }
    QString saveFile(QWidget*, const QString& filter, const QString& ext,
                     const QString& proposed) override {
        lastSaveFilter = filter;
        lastSaveDefaultExt = ext;
        lastSaveProposed = proposed;
        if (saveAnswers.empty()) return {};
        QString a = saveAnswers.front();
        saveAnswers.pop_front();
        return a;
    }
    int exec(QDialog& d) override { return onExec ? onExec(d) : QDialog::Rejected; }

    QStringList texts(const QString& kind) const {
        QStringList out;
        for (const auto& s : shown)
            if (s.kind == kind) out << s.text;
        return out;
    }
    void clear() { shown.clear(); }
};
