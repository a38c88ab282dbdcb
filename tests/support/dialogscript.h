#pragma once
// Answers the program's modal dialogs in turn, as a person would, through the program's one
// seam for modal dialogs, and records what each of them said.

#include "modal.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

class DialogScript {
public:
    using Answer = std::function<void(QDialog &)>;

    explicit DialogScript(std::vector<Answer> answers = {})
        : answers_(std::move(answers))
    {
        Modal::setAnswerer([this](QDialog &dialog) {
            asked.push_back(describe(dialog));
            if (next_ >= answers_.size()) {
                unexpected = true;
                dialog.close();
                return;
            }
            answers_[next_++](dialog);
        });
    }
    ~DialogScript() { Modal::setAnswerer(nullptr); }
    DialogScript(const DialogScript &) = delete;
    DialogScript &operator=(const DialogScript &) = delete;

    bool allAnswered() const { return next_ == answers_.size() && !unexpected; }

    // "AllYesNo: <question>", "AMsgbox: <message>", "Undoboxes: <undo caption>", "QFileDialog: open|save"...
    std::vector<QString> asked;
    bool unexpected = false;

    static Answer click(const char *button)
    {
        return [button](QDialog &d) {
            auto *b = d.findChild<QPushButton *>(QLatin1String(button));
            QVERIFY2(b, button);
            d.show();
            b->click();
        };
    }
    static Answer yes() { return click("AllYes"); }
    static Answer no() { return click("AllNo"); }
    static Answer exitMessage() { return click("AMsgExit"); }
    // Any other way of closing: the close box.
    static Answer closeBox()
    {
        return [](QDialog &d) {
            d.show();
            d.close();
        };
    }
    static Answer chooseFile(const QString &path)
    {
        return [path](QDialog &d) {
            auto &dialog = static_cast<QFileDialog &>(d);
            dialog.selectFile(path);
            // As if the dialog had accepted the name; its own checks (a missing file, replacing
            // one) would ask questions of their own.
            static_cast<QDialog &>(dialog).QDialog::accept();
        };
    }
    // Types a name into the file dialog and presses Enter: the dialog's own checks run. A warning
    // of its own is closed, which leaves the dialog open.
    static Answer typeFile(const QString &path)
    {
        return [path](QDialog &d) {
            d.show();
            auto *name = d.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(path);
            QTimer::singleShot(0, [] {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                    box->reject();
            });
            QTest::keyClick(name, Qt::Key_Return);
        };
    }
    static Answer cancel() { return [](QDialog &d) { d.reject(); }; }
    static Answer inspect(std::function<void(QDialog &)> look, Answer then)
    {
        return [look, then](QDialog &d) {
            look(d);
            then(d);
        };
    }

private:
    static QString describe(QDialog &d)
    {
        const QString kind = d.objectName().isEmpty() ? QString::fromLatin1(d.metaObject()->className()) : d.objectName();
        if (auto *label = d.findChild<QLabel *>(QStringLiteral("Label1")); label && kind == QLatin1String("AllYesNo"))
            return kind + QStringLiteral(": ") + label->text();
        if (auto *text = d.findChild<QPlainTextEdit *>(QStringLiteral("TextMsg")))
            return kind + QStringLiteral(": ") + text->toPlainText();
        if (auto *files = qobject_cast<QFileDialog *>(&d))
            return kind + (files->acceptMode() == QFileDialog::AcceptOpen ? QStringLiteral(": open") : QStringLiteral(": save"));
        if (auto *box = qobject_cast<QMessageBox *>(&d))
            return kind + QStringLiteral(": ") + box->text();
        if (auto *undo = d.findChild<QPushButton *>(QStringLiteral("UndoCmd")))
            return kind + QStringLiteral(": ") + undo->text();
        return kind;
    }

    std::vector<Answer> answers_;
    size_t next_ = 0;
};
