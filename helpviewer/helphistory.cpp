#include "helphistory.h"

void HelpHistory::visit(int topic)
{
    if (current() == topic && index_ >= 0)
        return;
    topics_.resize(index_ + 1);
    topics_.append(topic);
    index_ = topics_.size() - 1;
}

void HelpHistory::clear()
{
    topics_.clear();
    index_ = -1;
}

int HelpHistory::back()
{
    if (canGoBack())
        --index_;
    return current();
}

int HelpHistory::forward()
{
    if (canGoForward())
        ++index_;
    return current();
}
