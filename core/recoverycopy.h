#pragma once
// A copy of the work area's model, kept while the model holds changes that were never saved, so
// that no model is lost to a crash, a kill, a power cut, or a save that failed or was cancelled
// (the program then lets the model go without asking). It lives in the user's data folder; while
// that cannot be written (a full disk), in the session's runtime folder, and goes back to the
// data folder as soon as that takes it again. It is written atomically, at most once a second,
// for the user's eyes only; a successful save removes it, and a model left with changes that were
// never saved keeps it, named by the date and time those changes began. The copy being written is
// locked, so that another running instance never removes it; of the others, the ten written last
// are kept, and no file of another name is touched. It shows nothing and asks nothing: why a copy
// could not be written goes to standard error.

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

class RecoveryCopy : public QObject {
public:
    // Copies go to `folder`, or to `fallback` ("" for none) while `folder` cannot be written.
    // `model` gives the model's file bytes as they are now.
    RecoveryCopy(const QString &folder, const QString &fallback, std::function<QByteArray()> model,
                 QObject *parent = nullptr, int intervalMs = kIntervalMs);
    ~RecoveryCopy() override;

    // <the user's data folder>/Recovery
    static QString defaultFolder();
    // <the session's runtime folder>/Brickloom/Recovery; "" without one.
    static QString runtimeFolder();

    // The model as it is now has nothing unsaved: it was just saved (to `savedPath`) or opened,
    // or it is the empty model a new work area starts with. Removes the copy of the changes
    // before, if any, unless the model was saved onto that very file.
    void markSaved(const QString &savedPath = QString());
    // The model may have changed: the copy follows, now or within the interval.
    void modelChanged();
    // Brings the copy up to date now. True when letting the model go would lose nothing: it is
    // what was saved, or its copy is on disk.
    bool secure();
    // The model is let go (the work area closes, or clearing or opening discards it): the copy
    // gets its last state now and stays if that differs from what was saved; a later change
    // starts a new copy.
    void finish();

    // The copy being kept for the current changes, "" while there is none.
    QString currentPath() const { return path_; }

    // Whether `fileName` is a name the copies get: "2026-12-06_14-05-31.Pic", "...-2.Pic".
    static bool isCopyName(const QString &fileName);

    static constexpr int kIntervalMs = 1000;
    static constexpr int kKept = 10;

private:
    bool writeNow();
    bool writeInto(const QString &folder, const QByteArray &model);
    struct Lock;
    QString claimName(const QString &folder, std::unique_ptr<Lock> &lock, QString *error) const;
    void moveBack();
    void release(bool remove);
    void keepLatest(const QString &folder, const QString &letGo = QString()) const;
    void report(const QString &path, const QString &why);

    QString folder_;
    QString fallback_;
    std::function<QByteArray()> model_;
    QByteArray saved_;
    QByteArray written_;
    QString stamp_; // when the current changes began
    QString path_;
    QString place_; // the folder path_ lies in
    std::unique_ptr<Lock> lock_;
    QTimer pending_;
    QElapsedTimer sinceWrite_;
    int intervalMs_;
    QStringList reported_;
};
