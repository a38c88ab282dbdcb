#pragma once
// Common ground of the program's own small dialogs: a fixed dialog border around a client area of
// a designed size, no owner window, and a place relative to the frame taken when the dialog opens
// and each time it becomes active inside the program.

#include <QDialog>

class ProgramDialog : public QDialog {
    Q_OBJECT
public:
    // Client area in twips; offsets from the frame's top-left corner in twips, for the small and
    // the large layout.
    struct Placement {
        int smallDx, smallDy, largeDx, largeDy;
    };
    ProgramDialog(const QString &caption, int clientWidthTwips, int clientHeightTwips, Placement placement);

    // Moves the dialog next to the frame for the current layout.
    virtual void Form_Activate();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Placement placement_;
};
