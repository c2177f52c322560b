#pragma once
// A holiday calendar: one SQLite file per calendar holding the table
// "Calendar" (FECHA = day serial, the key; CODREDUC = kind "0", "1" or "2").
// One object stands for the database and its table; it is pointed at a file
// by name and directory and then connected.

#include <QChar>
#include <QList>
#include <QString>
#include <array>
#include <stdexcept>

class ErrorCalendario : public std::runtime_error {
public:
    explicit ErrorCalendario(const QString &mensaje)
        : std::runtime_error(mensaje.toStdString()), mensaje_(mensaje) {}
    QString Mensaje() const { return mensaje_; }

private:
    QString mensaje_;
};

struct Festivo {
    double fecha = 0;   // day serial
    QChar codigo;       // "0" national, "1" provincial, "2" local
};

class BaseCalendario {
public:
    BaseCalendario();
    ~BaseCalendario();
    BaseCalendario(const BaseCalendario &) = delete;
    BaseCalendario &operator=(const BaseCalendario &) = delete;

    // ---- the database ----
    // Take effect at the next Conectar.
    void FijarNombre(const QString &nombre);
    void FijarDirectorio(const QString &directorio); // with or without trailing separator
    void FijarExclusivo(bool exclusivo);
    QString Nombre() const;
    QString Directorio() const;
    QString Ruta() const; // directory + name
    // A directory and a file name joined with exactly one separator.
    static QString UnirRuta(const QString &directorio, const QString &nombre);
    // Throws ErrorCalendario when the file is missing, is not SQLite or has no Calendar table.
    void Conectar();
    // Closes the table too; harmless when not connected.
    void Desconectar();
    bool Conectado() const;
    // Whether the live connection holds the file exclusively.
    bool Exclusivo() const;
    // Copies the whole current file to destino; throws on any failure or when
    // destino exists and sobrescribir is false. Never leaves destino half-written.
    void CopiarBase(const QString &destino, bool sobrescribir);
    // Repairs the current file in place (must be disconnected); throws when it
    // is not a calendar at all, which is then never modified.
    void Reconstruir();
    // Writes a new empty calendar file (used for templates and tests).
    static void CrearVacio(const QString &ruta);

    // ---- the table ----
    // Every row operation below needs the table open, and throws otherwise.
    void Abrir();
    void Cerrar();
    bool Abierta() const;
    int NumeroFilas() const;
    bool Vacia() const;
    // True when the date has a row; that row becomes the current one.
    bool Buscar(double fecha);
    bool EsFestivo(double fecha);
    // Kind of the current row (after a successful Buscar).
    QChar CodigoActual() const;
    // Stored at once; replaces any row of the same date.
    void Insertar(double fecha, QChar codigo);
    // Many rows in one transaction: all of them are stored or none.
    void InsertarVarios(const QList<Festivo> &filas);
    void BorrarActual();
    // Removes every row; needs exclusive access.
    void Vaciar();
    // Holidays with desde <= fecha <= hasta, by date: one query for a whole period.
    QList<Festivo> Festivos(double desde, double hasta) const;
    // How many of those fall on each weekday, index 0 Sunday .. 6 Saturday:
    // counted by SQLite, so the answer is seven numbers however long the period.
    std::array<int, 7> FestivosPorDiaSemana(double desde, double hasta) const;

private:
    struct Privado;
    Privado *d;
};
