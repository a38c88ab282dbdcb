#pragma once
// The window that carries the file dialog. It is never shown: FileDirectory loads it, asks the
// user for a model file to open or a name to save under, and unloads it again.

#include "forms/singleform.h"

#include <QString>
#include <QWidget>

class QFileDialog;

class FileDir : public QWidget, public SingleForm<FileDir> {
    Q_OBJECT
public:
    FileDir();
    void Form_Load() {}

    // With FileChoice 1 shows the Open dialog, with 2 the Save As dialog, proposing
    // ModelFileName. Leaves the chosen full path in ModelFilePath, or sets FileChoice to 9 and
    // ModelFilePath to "" when the user cancels. Any other FileChoice shows nothing.
    static void FileDirectory();

    // "Name (*.ext)|*.ext" filter pairs, as the dialog was given them, in the form the dialog shows.
    static QStringList nameFilters(const QString &pairs);

    static const QString kFilter;
};
