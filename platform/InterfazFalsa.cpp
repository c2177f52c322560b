#include "InterfazFalsa.h"

#include <QDialog>

void InterfazFalsa::Anotar(Tipo tipo, const QString &texto)
{
    mensajes.append({tipo, texto, NivelBajado()});
}

QStringList InterfazFalsa::Textos() const
{
    QStringList lista;
    for (const Mensaje &m : mensajes)
        lista << m.texto;
    return lista;
}

void InterfazFalsa::Limpiar()
{
    mensajes.clear();
    respuestas.clear();
    textos.clear();
    archivos.clear();
    preguntasSinRespuesta = 0;
}

void InterfazFalsa::Informacion(const QString &texto) { Anotar(Tipo::Informacion, texto); }
void InterfazFalsa::Aviso(const QString &texto) { Anotar(Tipo::Aviso, texto); }
void InterfazFalsa::Error(const QString &texto) { Anotar(Tipo::Error, texto); }

bool InterfazFalsa::Confirmar(const QString &texto)
{
    Anotar(Tipo::Confirmacion, texto);
    if (respuestas.isEmpty()) {
        ++preguntasSinRespuesta;
        return false;
    }
    return respuestas.dequeue();
}

std::optional<QString> InterfazFalsa::PedirTexto(const QString &, const QString &, const QString &)
{
    if (textos.isEmpty()) {
        ++preguntasSinRespuesta;
        return std::nullopt;
    }
    return textos.dequeue();
}

QString InterfazFalsa::ArchivoAbrir(const QString &, const QString &, const QString &)
{
    return archivos.isEmpty() ? QString() : archivos.dequeue();
}

QString InterfazFalsa::ArchivoGuardar(const QString &, const QString &, const QString &)
{
    return archivos.isEmpty() ? QString() : archivos.dequeue();
}

bool InterfazFalsa::Imprimir(const std::function<void(QPrinter &)> &, bool)
{
    ++impresiones;
    return true;
}

int InterfazFalsa::Modal(QDialog &dialogo)
{
    SuperioresBajados guarda(*this);
    if (modales.isEmpty()) {
        ++preguntasSinRespuesta;
        return 0;
    }
    dialogo.show();
    const int resultado = modales.dequeue()(dialogo);
    dialogo.hide();
    return resultado;
}

bool InterfazFalsa::AbrirEnSistema(const QString &direccion)
{
    abiertos << direccion;
    return true;
}
