#pragma once
// Salvage of the rows of a damaged calendar file, read straight from its
// pages: SQLite stops at the first bad page of a scan, while a repair wants
// every row that any page still holds intact.

#include <QByteArray>
#include <QChar>
#include <QMap>

namespace Rescate {

// Where the Calendar table lives in the file and how its records are laid out.
struct Esquema {
    quint32 raiz = 0;           // root page of the table's b-tree
    int columnaFecha = 0;       // position of FECHA in a record
    int columnaCodigo = 1;      // position of CODREDUC in a record
    bool fechaEsRowid = true;   // FECHA is INTEGER PRIMARY KEY (stored as the rowid)
};

// Rows found by walking the table's b-tree from its root: every cell that
// parses as a calendar row (a day serial of a real date and a one-character
// kind) is kept; unreadable pages and cells are skipped, free pages ignored.
QMap<qint64, QChar> Filas(const QByteArray &fichero, const Esquema &esquema);

} // namespace Rescate
