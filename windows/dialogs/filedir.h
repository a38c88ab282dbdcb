#pragma once
// The window that carries the file dialog. It is never shown: FileDirectory loads it, asks the
// user for a model file to open or a name to save under, and unloads it again.

#include "singleform.h"

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
    // Both start in the folder of the current model, and save proposes its full path; without
    // one they start in the folder used last, and the first time in the program's folder where
    // the user can write there (a build tree), else in the user's documents folder or home.
    static void FileDirectory();

    // The file that ModelFileName names, once it was read or written whole.
    static void rememberModel(const QString &path);
};
