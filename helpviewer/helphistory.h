#pragma once

#include <QList>

// The topics visited in one viewer window, for Back and Forward. Visiting a topic after going back
// drops the topics ahead, as in a web browser.
class HelpHistory {
public:
    void visit(int topic);
    void clear();

    bool canGoBack() const { return m_index > 0; }
    bool canGoForward() const { return m_index + 1 < m_topics.size(); }
    // Each moves one step when it can and returns the topic now current (0 when the history is empty).
    int back();
    int forward();
    int current() const { return m_index >= 0 ? m_topics.at(m_index) : 0; }

private:
    QList<int> m_topics;
    qsizetype m_index = -1;
};
