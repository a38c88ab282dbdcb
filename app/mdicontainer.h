#pragma once
// The frame window: a multiple-document frame that holds the main menu or the work area, shows
// the program title and the current model's file name, and decides the layout (small or large)
// by which every other window places itself.

#include "app/singleform.h"

#include <QMainWindow>

class QMdiArea;
class QMdiSubWindow;

class MDIContainer : public QMainWindow, public SingleForm<MDIContainer> {
    Q_OBJECT
public:
    MDIContainer();

    void Form_Load() { MDIForm_Load(); }
    void MDIForm_Load();
    void MDIForm_Resize();

    // Puts a child form into the frame, inside a fixed border without a title bar. The form
    // unloads when its border window closes.
    QMdiSubWindow *addForm(QWidget *form);

    // Shows a child form; it becomes the active child.
    void showForm(QWidget *form);

    // Moves a child form, keeping its size; Left and Top in twips within the frame's client area.
    void moveForm(QWidget *form, int leftTwips, int topTwips);
    // Sizes a child form by its outer border, keeping its place; twips.
    void resizeForm(QWidget *form, int widthTwips, int heightTwips);
    // Moves and sizes a child form by its outer border, all in twips.
    void moveForm(QWidget *form, int leftTwips, int topTwips, int widthTwips, int heightTwips);

    // The frame caption from the title and the model's file name.
    void updateCaption();

    QMdiArea *area() const { return area_; }

    static constexpr int kClientWidth = 9510;
    static constexpr int kClientHeight = 6825;
    static constexpr int kLargeLayoutHeight = 8500;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *activeForm() const;

    QMdiArea *area_;
};
