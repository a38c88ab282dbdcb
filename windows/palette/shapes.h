#pragma once
// The palette: a small window that floats above the others beside the work area and holds the
// 240 shapes on six pages of 40. Every placement starts here: pressing the left button on a shape
// starts a drag that carries its shape number, with its own icon as the pointer.

#include "singleform.h"

#include <QWidget>
#include <array>

class ShapePage;
class QPlainTextEdit;
class QPushButton;

class Shapes : public QWidget, public SingleForm<Shapes> {
    Q_OBJECT
public:
    Shapes();

    void Form_Load();

    // Shows the palette without taking the focus from the window that has it.
    void showInactive();

    // Unloads the palette if it is loaded.
    static void unload();

    // The drag data of a shape, and the shape number a drag carries (0 when it carries none).
    static const char *const kMimeType;
    static int shapeOfDrag(const class QMimeData *data);

    static const std::array<QString, 6> &pageCaptions();

    static constexpr int kLeft = 7300;
    static constexpr int kTop = 500;
    static constexpr int kWidth = 2190;
    static constexpr int kHeight = 6080;
    static constexpr int kHelpTopic = 5;

public slots:
    void NextFrame_Click();
    void PrevFrame_Click();
    void Help1_Click();
    void PicSource_Click(int index);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void HelpText_KeyPress(int &keyAscii);
    QPlainTextEdit *helpPanel();
    void startDrag(int n);

    std::array<ShapePage *, 6> IconFrame{}; // the pages
    QPushButton *PrevFrame;
    QPushButton *Help1;
    QPushButton *NextFrame;
    QPlainTextEdit *HelpText = nullptr;
};
