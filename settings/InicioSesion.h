#pragma once
// Starting with the user's session: an XDG autostart entry whose Exec line is
// the program's command line.

#include <QString>

class InicioSesion {
public:
    // The entry in the user's autostart folder.
    static QString RutaPredeterminada();

    explicit InicioSesion(QString ruta = RutaPredeterminada());

    QString Ruta() const { return ruta_; }
    // Writes the entry atomically; throws ErrorRegistro with the text the
    // user is shown when it cannot be written.
    void Escribir(const QString &lineaOrden) const;
    // A missing entry is fine, and so is one that cannot be removed.
    void Borrar() const;

private:
    QString ruta_;
};
