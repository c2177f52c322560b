#include "SiguienteControl.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

void SiguienteControl(QWidget *w)
{
    if (!w)
        return;
    QPointer<QWidget> ventana = w->window();
    QTimer::singleShot(0, ventana, [ventana] {
        if (!ventana)
            return;
        QWidget *actual = ventana->focusWidget();
        QWidget *siguiente = actual ? actual->nextInFocusChain() : ventana->nextInFocusChain();
        // Skip what cannot take the focus, without looping forever.
        for (QWidget *inicio = siguiente; siguiente;) {
            if (siguiente->isVisible() && siguiente->isEnabled() && (siguiente->focusPolicy() & Qt::TabFocus))
                break;
            siguiente = siguiente->nextInFocusChain();
            if (siguiente == inicio)
                return;
        }
        if (siguiente)
            siguiente->setFocus(Qt::TabFocusReason);
    });
}
