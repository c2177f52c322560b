#pragma once
// Everything the windows ask of the desktop: messages, questions, file
// choosers, the clipboard, printing and the shell. Windows never call
// QMessageBox and friends directly, so tests can script the answers.

#include <QString>
#include <functional>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

class Interfaz {
public:
    enum class Tipo { Informacion, Aviso, Error, Confirmacion };

    virtual ~Interfaz() = default;

    virtual void Informacion(const QString &texto) = 0;
    virtual void Aviso(const QString &texto) = 0;
    // The application's general error box.
    virtual void Error(const QString &texto) = 0;
    // Yes/No question; true for Yes.
    virtual bool Confirmar(const QString &texto) = 0;
    // A line of text; nothing when cancelled.
    virtual std::optional<QString> PedirTexto(const QString &titulo, const QString &etiqueta,
                                              const QString &inicial) = 0;
    // A file to open or to save; empty when cancelled.
    virtual QString ArchivoAbrir(const QString &titulo, const QString &filtro, const QString &carpeta) = 0;
    virtual QString ArchivoGuardar(const QString &titulo, const QString &filtro, const QString &propuesto) = 0;

    virtual QString LeerPortapapeles() = 0;
    virtual void EscribirPortapapeles(const QString &texto) = 0;

    // Paints a document on a printer chosen by the user, or previews it first.
    virtual bool Imprimir(const std::function<void(QPrinter &)> &pintar, bool vistaPrevia) = 0;
    // The shell's "open" of an address or file; false when nothing could open it.
    virtual bool AbrirEnSistema(const QString &direccion) = 0;
    // Runs a window of ours modally, with the top-most windows lowered; its result code.
    virtual int Modal(QDialog &dialogo) = 0;

    // Windows that stay on top must not hide our own messages: every message
    // and modal window is shown between these two calls. They nest.
    void BajarSuperiores();
    void RestaurarSuperiores();
    int NivelBajado() const { return nivelBajado_; }

protected:
    virtual void AlBajarSuperiores() {}
    virtual void AlRestaurarSuperiores() {}

private:
    int nivelBajado_ = 0;
};

// Lowers the top-most windows for the life of the guard.
class SuperioresBajados {
public:
    explicit SuperioresBajados(Interfaz &ui) : ui_(ui) { ui_.BajarSuperiores(); }
    ~SuperioresBajados() { ui_.RestaurarSuperiores(); }
    SuperioresBajados(const SuperioresBajados &) = delete;
    SuperioresBajados &operator=(const SuperioresBajados &) = delete;

private:
    Interfaz &ui_;
};
