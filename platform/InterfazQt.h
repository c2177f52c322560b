#pragma once
// The real desktop behind Interfaz: Qt dialogs, clipboard, printer and shell.

#include "Interfaz.h"

#include <QList>
#include <QPointer>

class InterfazQt : public Interfaz {
public:
    // Messages are centred on this window when it is set.
    void FijarVentana(QWidget *ventana) { ventana_ = ventana; }

    void Informacion(const QString &texto) override;
    void Aviso(const QString &texto) override;
    void Error(const QString &texto) override;
    bool Confirmar(const QString &texto) override;
    std::optional<QString> PedirTexto(const QString &titulo, const QString &etiqueta,
                                      const QString &inicial) override;
    QString ArchivoAbrir(const QString &titulo, const QString &filtro, const QString &carpeta) override;
    QString ArchivoGuardar(const QString &titulo, const QString &filtro, const QString &propuesto) override;
    QString LeerPortapapeles() override;
    void EscribirPortapapeles(const QString &texto) override;
    bool Imprimir(const std::function<void(QPrinter &)> &pintar, bool vistaPrevia) override;
    bool AbrirEnSistema(const QString &direccion) override;
    int Modal(QDialog &dialogo) override;

protected:
    void AlBajarSuperiores() override;
    void AlRestaurarSuperiores() override;

private:
    void Mensaje(int icono, const QString &texto);

    QPointer<QWidget> ventana_;
    QList<QPointer<QWidget>> bajadas_;
};
