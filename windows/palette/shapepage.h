#pragma once
// One page of the palette, the frame IconFrame(p): a caption and 40 shape images in four columns of
// ten, with white lines along the top of every row and between the columns, drawn over the images.
// The images are drawn, not made of widgets; pressing the left button on one starts its drag.

#include <QWidget>

class ShapePage : public QWidget {
    Q_OBJECT
public:
    ShapePage(int index, const QString &caption, QWidget *parent);

    int index() const { return index_; }
    QString caption() const { return caption_; }

    // Shape number of the image at a point of the frame, 0 when none.
    int shapeAt(QPoint point) const;
    // Where image n lies in the frame (n must be on this page).
    QRect imageRect(int n) const;

    static constexpr int kShapesPerPage = 40;
    static constexpr int kRowsPerColumn = 10;

signals:
    // The left button went down on image n.
    void imagePressed(int n);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int index_;
    QString caption_;
};
