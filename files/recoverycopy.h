#pragma once
// A copy of the work area's model in the user's data folder, kept while the model holds changes
// that were never saved, so that no model is lost to a crash, a kill, a power cut, or a save that
// failed or was cancelled (the program then lets the model go without asking). It is written
// atomically, at most once a second; a successful save removes it, and a model left with changes
// that were never saved keeps it, named by the date and time those changes began. The last ten
// copies are kept. It shows nothing and asks nothing.

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class RecoveryCopy : public QObject {
public:
    // `model` gives the model's file bytes as they are now.
    RecoveryCopy(const QString &folder, std::function<QByteArray()> model, QObject *parent = nullptr,
                 int intervalMs = kIntervalMs);

    // <the user's data folder>/Recovery
    static QString defaultFolder();

    // The model as it is now has nothing unsaved: it was just saved or opened, or it is the empty
    // model a new work area starts with. Removes the copy of the changes before, if any.
    void markSaved();
    // The model may have changed: the copy follows, now or within the interval.
    void modelChanged();
    // The model is let go (the work area closes, or clearing or opening discards it): the copy
    // gets its last state now and stays if that differs from what was saved; a later change
    // starts a new copy.
    void finish();

    // The copy being kept for the current changes, "" while there is none.
    QString currentPath() const { return path_; }

    static constexpr int kIntervalMs = 1000;
    static constexpr int kKept = 10;

private:
    void writeNow();
    void removeCurrent();
    void keepLatest() const;

    QString folder_;
    std::function<QByteArray()> model_;
    QByteArray saved_;
    QByteArray written_;
    QString path_;
    QTimer pending_;
    QElapsedTimer sinceWrite_;
    int intervalMs_;
};
