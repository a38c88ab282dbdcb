#pragma once
// What the start-up benchmarks watch for: the first paint of given windows, and the peak memory
// the process has used by the time it quits.

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <functional>
#include <unistd.h>
#include <vector>

// Calls `then` once every widget picked by one of `wanted` has received its first paint event on
// the screen (a window drawn into an image before it is exposed does not count). The call is
// queued, so the paint that completes the set has reached the screen before it runs.
class FirstPaint : public QObject {
public:
    using Wanted = std::function<bool(QObject *)>;

    FirstPaint(std::vector<Wanted> wanted, std::function<void()> then)
        : wanted_(std::move(wanted)), painted_(wanted_.size(), false), then_(std::move(then))
    {
        // Watching the whole application catches the windows however late they are created.
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || done_ || !onScreen(watched))
            return false;
        bool all = true;
        for (size_t i = 0; i < wanted_.size(); ++i) {
            if (!painted_[i] && wanted_[i](watched))
                painted_[i] = true;
            all = all && painted_[i];
        }
        if (all) {
            done_ = true;
            QTimer::singleShot(0, this, then_);
        }
        return false;
    }

private:
    static bool onScreen(QObject *object)
    {
        const auto *widget = qobject_cast<QWidget *>(object);
        const QWindow *window = widget ? widget->window()->windowHandle() : nullptr;
        return window && window->isExposed();
    }

    std::vector<Wanted> wanted_;
    std::vector<bool> painted_;
    std::function<void()> then_;
    bool done_ = false;
};

template <typename W>
bool isA(QObject *object)
{
    return qobject_cast<W *>(object) != nullptr;
}

// The process's resident memory now, in kB.
inline long residentKb()
{
    long pages = 0, resident = 0;
    if (FILE *f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Milestones of the start: milliseconds since the process was forked (bench-xwatch says when, on
// the same clock; since main() began without it) and the resident memory then, printed to stderr
// at the end, so that a slow or heavy start shows where its time and memory went.
class Milestones {
public:
    Milestones()
        : origin_(qEnvironmentVariableIsSet("BRICKLOOM_BENCH_FORK_US") ? qEnvironmentVariable("BRICKLOOM_BENCH_FORK_US").toLongLong() * 1000 : now())
    {
        mark("main() began");
    }
    void mark(const char *what) { marks_.push_back({what, now() - origin_, residentKb()}); }
    void report() const
    {
        for (const Mark &m : marks_)
            std::fprintf(stderr, "milestone %s|%.2f|%ld\n", m.what, m.ns / 1e6, m.kb);
    }

private:
    static qint64 now()
    {
        timespec t{};
        clock_gettime(CLOCK_MONOTONIC, &t);
        return t.tv_sec * 1000000000LL + t.tv_nsec;
    }
    struct Mark {
        const char *what;
        qint64 ns;
        long kb;
    };
    const qint64 origin_;
    std::vector<Mark> marks_;
};

// Prints the kernel's high-water mark of the process's resident memory, in kB, to stderr, where
// the runner picks it up.
// With BRICKLOOM_BENCH_SMAPS=FILE the process's memory map is copied there, to see what the memory
// is.
inline void reportPeakMemory()
{
    if (const QString copy = qEnvironmentVariable("BRICKLOOM_BENCH_SMAPS"); !copy.isEmpty()) {
        QFile smaps(QStringLiteral("/proc/self/smaps"));
        QFile out(copy);
        if (smaps.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly))
            out.write(smaps.readAll());
    }
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            std::fprintf(stderr, "peak_rss_kb=%s\n", line.mid(6).trimmed().split(' ').value(0).constData());
            return;
        }
    }
}
