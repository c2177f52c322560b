#pragma once
// Small factories for the main window's controls, shared by its assembly files.

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QToolButton>

namespace Controles {

inline QToolButton *BotonHerramienta(QWidget *parent, const QString &texto, const QString &nombre, const QString &ayuda)
{
    auto *b = new QToolButton(parent);
    b->setText(texto);
    b->setObjectName(nombre);
    b->setToolTip(ayuda);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRaise(true);
    return b;
}

inline QCheckBox *Casilla(QWidget *parent, const QString &texto, const QString &nombre, const QString &ayuda = {})
{
    auto *c = new QCheckBox(texto, parent);
    c->setObjectName(nombre);
    if (!ayuda.isEmpty())
        c->setToolTip(ayuda);
    return c;
}

inline QLabel *Espejo(QWidget *parent, const QString &nombre)
{
    // Mirrors kept for whoever inspects them; never shown.
    auto *l = new QLabel(parent);
    l->setObjectName(nombre);
    l->hide();
    return l;
}

// Indicator labels are yellow when marked and button-coloured otherwise.
inline void Marcar(QLabel *l, bool marcada)
{
    QPalette p = l->palette();
    p.setColor(QPalette::Window, marcada ? QColor(Qt::yellow) : QApplication::palette().color(QPalette::Button));
    l->setPalette(p);
}

inline bool Marcada(const QLabel *l)
{
    return l->palette().color(QPalette::Window) != QApplication::palette().color(QPalette::Button);
}

} // namespace Controles
