#pragma once
// The user's settings key: a typed store of named values kept in one text
// file, read whole and written whole.
//
// File format (UTF-8, one item a line, lines end in "\n"):
//
//   [Tallyra]                         first line, the key; anything else is not ours
//   ; a comment                       lines starting with ";" and blank lines are skipped
//   @="/opt/tallyra"                  the unnamed value (a String)
//   "Provincia"="07"                  String
//   "Ruta"=expand:"$HOME/x"           String that may hold variables; read as a String
//   "ModoIni"=dword:0000000e          Integer: 32 bits, 1 to 8 hex digits
//   "M1"=hex:00,00,00,00,00,00,f0,3f  binary: bytes in hex, comma separated, may be empty
//
// Inside quotes "\\", "\"", "\n", "\r" and "\t" stand for themselves; any other
// backslash is an error. Names are matched without regard to case and appear
// once: writing a value again replaces it where it stands, and of repeated
// names in a file the last one counts. Values are written in the order they
// were first written. A file that breaks any of these rules is damaged: it is
// kept as <file>.bak and the store starts empty, as if the key were new.

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QString>
#include <optional>
#include <stdexcept>

// A value that cannot be read as asked, or a write that did not reach the disk.
class ErrorRegistro : public std::runtime_error {
public:
    explicit ErrorRegistro(const QString &mensaje)
        : std::runtime_error(mensaje.toStdString()), mensaje_(mensaje) {}
    QString Mensaje() const { return mensaje_; }

private:
    QString mensaje_;
};

class Registro {
public:
    enum class Tipo { Texto, TextoExpandible, Entero, Binario };
    // What the last Cargar found.
    enum class Estado { Nuevo, Leido, Danado };

    explicit Registro(QString ruta);

    QString Ruta() const { return ruta_; }
    // Replaces the contents with the file's. A damaged file is copied to
    // <file>.bak first; when that copy fails the store refuses to write, so the
    // damaged file is never overwritten without its copy.
    Estado Cargar();
    // Writes the whole store atomically, only when something changed since the
    // last Cargar or Guardar. Throws ErrorRegistro naming the first value
    // changed: the one the user would have lost first.
    void Guardar();

    bool ExisteValor(const QString &nombre) const;
    // Value names in file order; the unnamed value is "".
    QStringList Nombres() const;

    // Missing reads as empty; a value that is not a String throws.
    QString LeerTexto(const QString &nombre) const;
    // Missing or not an Integer throws.
    qint32 LeerEntero(const QString &nombre) const;
    // An Integer, true when not 0.
    bool LeerBooleano(const QString &nombre) const;
    // Missing or not binary throws.
    QByteArray LeerBinario(const QString &nombre) const;
    // Binary of exactly 8 bytes: an IEEE double, little-endian.
    double LeerReal(const QString &nombre) const;

    void EscribirTexto(const QString &nombre, const QString &valor);
    void EscribirEntero(const QString &nombre, qint32 valor);
    void EscribirBooleano(const QString &nombre, bool valor);
    void EscribirBinario(const QString &nombre, const QByteArray &valor);
    void EscribirReal(const QString &nombre, double valor);
    // False when there was no such value.
    bool BorrarValor(const QString &nombre);

private:
    struct Entrada {
        QString nombre; // empty for the unnamed value
        Tipo tipo = Tipo::Texto;
        QString texto;
        quint32 entero = 0;
        QByteArray binario;
    };
    // Nothing when the text is damaged.
    static std::optional<QList<Entrada>> Analizar(const QByteArray &texto);
    QByteArray Texto() const;
    const Entrada *Buscar(const QString &nombre) const;
    void Poner(Entrada e);

    QString ruta_;
    QList<Entrada> entradas_;
    bool bloqueado_ = false;
    bool cambiado_ = false;
    QString primerCambio_; // the first value changed since the last Cargar or Guardar
};
