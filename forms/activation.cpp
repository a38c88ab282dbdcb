#include "activation.h"

#include <QGuiApplication>
#include <QWindow>

Activation &Activation::program()
{
    static Activation tracker;
    static const bool following = [] {
        tracker.wasActive_ = QGuiApplication::applicationState() == Qt::ApplicationActive;
        QObject::connect(qApp, &QGuiApplication::applicationStateChanged, qApp,
                         [](Qt::ApplicationState state) { tracker.applicationStateChanged(state); });
        QObject::connect(qApp, &QGuiApplication::focusWindowChanged, qApp,
                         [](QWindow *window) { tracker.focusWindowChanged(window != nullptr); });
        return true;
    }();
    (void)following;
    return tracker;
}

void Activation::applicationStateChanged(Qt::ApplicationState state)
{
    // Inactive before the first activation is the start, not the user going elsewhere.
    if (state == Qt::ApplicationActive)
        wasActive_ = true;
    else if (wasActive_)
        returning_ = true;
}

void Activation::focusWindowChanged(bool toWindow)
{
    if (toWindow)
        returning_ = false;
}
