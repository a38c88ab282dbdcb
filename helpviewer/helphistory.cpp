#include "helphistory.h"

void HelpHistory::visit(int topic)
{
    if (current() == topic && m_index >= 0)
        return;
    m_topics.resize(m_index + 1);
    m_topics.append(topic);
    m_index = m_topics.size() - 1;
}

void HelpHistory::clear()
{
    m_topics.clear();
    m_index = -1;
}

int HelpHistory::back()
{
    if (canGoBack())
        --m_index;
    return current();
}

int HelpHistory::forward()
{
    if (canGoForward())
        ++m_index;
    return current();
}
