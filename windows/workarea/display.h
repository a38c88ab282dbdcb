#pragma once
// The work area: the child window of the frame in which a model is built. 247 boxes in 19 columns
// by 13 rows, each with a back and a front layer, grid lines between them, and a strip of buttons
// below. The boxes are drawn onto the window rather than made of widgets; the grid lines are drawn
// on a surface that keeps what was drawn until the background colour is set again.
//
// The surface is kept as the line drawings made on it since the background colour was last set,
// replayed on every paint, rather than as a window-sized image: a drawing that covers an earlier
// one entirely replaces it, so there are never more than two.

#include "singleform.h"

#include "boxpictures.h"

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <vector>

class QLabel;
class QPushButton;
class RecoveryCopy;

// In a namespace because the X11 headers that Qt's application header pulls in already take the
// global name Display.
namespace WorkArea {

class Display : public QWidget, public SingleForm<Display> {
    Q_OBJECT
public:
    Display();

    void Form_Load();
    // Shows the work area in the frame; it becomes the active child.
    void showForm();

    void DrawGrids();
    // The drop of a palette image on a box. `sourceIsImage` tells whether the dragged control
    // is an image, `sourceIndex` its index (the shape number).
    void PicTarget_DragDrop(int16_t Index, bool sourceIsImage, int16_t sourceIndex);
    // A mouse button pressed on a box: 1 left, 2 right, 4 middle.
    void PicTarget_MouseDown(int16_t Index, int16_t Button);
    void ClearorUndo();
    void AskSaveChanges();
    // "Open File", with the file already chosen when `path` is given (a model handed to the
    // program by the desktop), else through the file dialog.
    void openModel(const QString &path);
    // Returns whether the window may close.
    bool Form_QueryUnload();

    // Setting the background colour clears the whole surface to it, grid lines included.
    void setBackColor(const QColor &colour);
    QColor backColor() const { return backColor_; }

    const BoxPictures &pictures() const { return boxes_; }
    // Puts the pictures of an opened model into the boxes; false at a number that names no shape,
    // and `error` says which.
    bool placePictures(QString *error = nullptr);

    // The client area as it looks now, as the printer gets it.
    QImage clientImage();

    static constexpr int kHelpTopic = 4;
    // Where it stands in the frame's large layout (twips); in the small one, where the frame puts
    // every form.
    static constexpr QPoint kLargeLayoutPlace{0, 600};

public slots:
    void Form_Activate();
    void HideShowGrids_Click();
    void ClearAll_Click();
    void FileSave_Click();
    void FileOpen_Click();
    void PrintAll_Click();
    void Exit1_Click();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void updateBox(int16_t cell);
    void showPaletteIfShown();
    void hidePaletteIfShown();

    QPushButton *Exit1;
    QPushButton *ClearAll;
    QPushButton *PrintAll;
    QPushButton *HideShowGrids;
    QPushButton *FileSave;
    QPushButton *FileOpen;
    QLabel *Label1;

    struct GridDrawing {
        QColor colour;
        int bottomTwips;
    };

    BoxPictures boxes_;
    std::vector<GridDrawing> surface_;
    QColor backColor_{Qt::black};
    RecoveryCopy *recovery_ = nullptr;
};

} // namespace WorkArea
