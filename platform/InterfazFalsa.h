#pragma once
// A scripted desktop for tests: records every message and answers every
// question from a queue. An unexpected question fails loudly.

#include "Interfaz.h"

#include <QList>
#include <QQueue>
#include <QStringList>

class InterfazFalsa : public Interfaz {
public:
    struct Mensaje {
        Tipo tipo;
        QString texto;
        int nivelBajado; // how many lowerings were in force when it was shown
    };

    QList<Mensaje> mensajes;
    QQueue<bool> respuestas;                    // for Confirmar
    QQueue<std::optional<QString>> textos;      // for PedirTexto
    QQueue<QString> archivos;                   // for ArchivoAbrir / ArchivoGuardar
    QString portapapeles;
    QStringList abiertos;                       // AbrirEnSistema
    QQueue<std::function<int(QDialog &)>> modales;
    int impresiones = 0;
    int preguntasSinRespuesta = 0;

    QStringList Textos() const;
    void Limpiar();

    void Informacion(const QString &texto) override;
    void Aviso(const QString &texto) override;
    void Error(const QString &texto) override;
    bool Confirmar(const QString &texto) override;
    std::optional<QString> PedirTexto(const QString &titulo, const QString &etiqueta,
                                      const QString &inicial) override;
    QString ArchivoAbrir(const QString &titulo, const QString &filtro, const QString &carpeta) override;
    QString ArchivoGuardar(const QString &titulo, const QString &filtro, const QString &propuesto) override;
    QString LeerPortapapeles() override { return portapapeles; }
    void EscribirPortapapeles(const QString &texto) override { portapapeles = texto; }
    bool Imprimir(const std::function<void(QPrinter &)> &pintar, bool vistaPrevia) override;
    bool AbrirEnSistema(const QString &direccion) override;
    // Each modal window is handed to the next script, which works it as a
    // user would and returns its result; with no script it is cancelled.
    int Modal(QDialog &dialogo) override;

private:
    void Anotar(Tipo tipo, const QString &texto);
};
