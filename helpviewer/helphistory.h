#pragma once

#include <QList>

// The topics visited in one viewer window, for Back and Forward. Visiting a topic after going back
// drops the topics ahead, as in a web browser.
class HelpHistory {
public:
    void visit(int topic);
    void clear();

    bool canGoBack() const { return index_ > 0; }
    bool canGoForward() const { return index_ + 1 < topics_.size(); }
    // Each moves one step when it can and returns the topic now current (0 when the history is empty).
    int back();
    int forward();
    int current() const { return index_ >= 0 ? topics_.at(index_) : 0; }

private:
    QList<int> topics_;
    qsizetype index_ = -1;
};
