#pragma once
// What a window of the program may ask of the frame that hosts it, as a window, without knowing the
// frame: to take a child form in, show, place and size it, set the caption, and say where dialogs
// stand. The frame implements it; before the frame exists (and in tests without one) a host that
// does nothing stands in.

#include <QPoint>

class QWidget;

class FormHost {
public:
    // The frame, or the do-nothing host while there is none.
    static FormHost &instance();

    // Puts a child form into the frame; the form unloads when its place in the frame closes. In the
    // large layout the frame keeps it at `largeLayoutPlace` (Left and Top in twips within the
    // frame's client area).
    virtual void addForm(QWidget *form, QPoint largeLayoutPlace);
    // Shows a child form; it becomes the active child.
    virtual void showForm(QWidget *form);
    // Moves a child form, keeping its size; Left and Top in twips within the frame's client area.
    virtual void moveForm(QWidget *form, int leftTwips, int topTwips);
    // Moves a child form where a resize of the frame puts it: to its large-layout place, or in the
    // small layout to the place the frame has for every form.
    virtual void placeForm(QWidget *form);
    // Sizes a child form by its outer border, keeping its place; twips.
    virtual void resizeForm(QWidget *form, int widthTwips, int heightTwips);
    // The frame caption from the title and the model's file name.
    virtual void updateCaption();

    // Whether the frame uses its large layout, by which every window places itself.
    virtual bool largeLayout() const;
    // The top-left corner of the frame's outer border on the screen; dialogs stand beside it.
    virtual QPoint frameTopLeft() const;
    // The frame itself, for a window that must float over it; nullptr while there is none.
    virtual QWidget *frameWidget();

protected:
    // A host becomes the instance while it exists (the stand-in never does).
    explicit FormHost(bool becomeInstance = true);
    virtual ~FormHost();
    FormHost(const FormHost &) = delete;
    FormHost &operator=(const FormHost &) = delete;

private:
    struct None;
};
