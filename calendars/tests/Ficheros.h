#pragma once
// Calendar files on disk for the tests: written, read back and compared.

#include "BaseCalendario.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QMap>
#include <QStringList>

inline QByteArray Bytes(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void EscribirBytes(const QString &ruta, const QByteArray &bytes)
{
    QFile f(ruta);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

inline QStringList Contenido(const QString &carpeta)
{
    return QDir(carpeta).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

// A calendar file holding filas.
inline void CrearCalendario(const QString &ruta, const QList<Festivo> &filas)
{
    BaseCalendario::CrearVacio(ruta);
    BaseCalendario bd;
    bd.FijarNombre(ruta);
    bd.Conectar();
    bd.Abrir();
    bd.InsertarVarios(filas);
}

// Every row of a calendar file, by date.
inline QMap<qint64, QChar> Filas(const QString &ruta)
{
    BaseCalendario bd;
    bd.FijarNombre(ruta);
    bd.Conectar();
    bd.Abrir();
    QMap<qint64, QChar> filas;
    for (const Festivo &f : bd.Festivos(-1e7, 1e7))
        filas.insert(qint64(f.fecha), f.codigo);
    return filas;
}

inline QMap<qint64, QChar> ComoMapa(const QList<Festivo> &lista)
{
    QMap<qint64, QChar> filas;
    for (const Festivo &f : lista)
        filas.insert(qint64(f.fecha), f.codigo);
    return filas;
}
