#pragma once
// The frame window: a multiple-document frame that holds the main menu or the work area, shows
// the program title and the current model's file name, and decides the layout (small or large)
// by which every other window places itself.

#include "formhost.h"
#include "singleform.h"

#include <QMainWindow>

class QMdiArea;
class QMdiSubWindow;

class MDIContainer : public QMainWindow, public FormHost, public SingleForm<MDIContainer> {
    Q_OBJECT
public:
    MDIContainer();
    using SingleForm<MDIContainer>::instance;

    void Form_Load() { MDIForm_Load(); }
    void MDIForm_Load();
    void MDIForm_Resize();

    // The host of every other window.
    void addForm(QWidget *form, QPoint largeLayoutPlace) override;
    void showForm(QWidget *form) override;
    void moveForm(QWidget *form, int leftTwips, int topTwips) override;
    void placeForm(QWidget *form) override;
    void resizeForm(QWidget *form, int widthTwips, int heightTwips) override;
    void updateCaption() override;
    bool largeLayout() const override;
    QPoint frameTopLeft() const override;
    QWidget *frameWidget() override { return this; }

    QMdiArea *area() const { return area_; }

    static constexpr int kClientWidth = 9510;
    static constexpr int kClientHeight = 6825;
    // Where a resize puts every form in the small layout (twips).
    static constexpr QPoint kSmallLayoutPlace{-60, -60};

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *activeForm() const;

    QMdiArea *area_;
};
