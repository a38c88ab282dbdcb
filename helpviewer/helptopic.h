#pragma once

#include <QString>

// One page of the help file: the number that F1 asks for, its title and its text in Markdown.
struct HelpTopic {
    int number = 0;
    QString title;
    QString text;
};
