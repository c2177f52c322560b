#pragma once
// Dates written as the clerk types them, for the tables of the date tests.

#include <QString>
#include <QtGlobal>

#include "FechaHora.h"

inline int Serial(const QString &texto)
{
    double serial = 0;
    if (!Funcion::TextoAFecha(texto, serial))
        qFatal("fecha de prueba no válida: %s", qPrintable(texto));
    return int(serial);
}

inline QString Texto(int serial)
{
    return Funcion::SerialAFecha(serial).toString(QStringLiteral("dd/MM/yyyy"));
}
