#include "programdialog.h"

#include "activation.h"
#include "formhost.h"

#include "windowplacement.h"

#include "twips.h"

#include <QEvent>

ProgramDialog::ProgramDialog(const QString &caption, int clientWidthTwips, int clientHeightTwips, Placement placement)
    : QDialog(nullptr,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                  | Qt::MSWindowsFixedSizeDialogHint)
    , placement_(placement)
{
    setWindowTitle(caption);
    setFixedSize(Twips::size(clientWidthTwips, clientHeightTwips));
    setModal(true);
}

void ProgramDialog::Form_Activate()
{
    const FormHost &host = FormHost::instance();
    const bool large = host.largeLayout();
    WindowPlacement::moveFrameTo(this, host.frameTopLeft()
                                           + Twips::point(large ? placement_.largeDx : placement_.smallDx,
                                                          large ? placement_.largeDy : placement_.smallDy));
}

void ProgramDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void ProgramDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && Activation::program().fromInsideProgram())
        Form_Activate();
}
