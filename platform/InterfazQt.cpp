#include "InterfazQt.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QUrl>

void InterfazQt::Mensaje(int icono, const QString &texto)
{
    SuperioresBajados guarda(*this);
    QMessageBox caja(static_cast<QMessageBox::Icon>(icono), QApplication::applicationName(), texto,
                     QMessageBox::Ok, ventana_);
    caja.exec();
}

void InterfazQt::Informacion(const QString &texto) { Mensaje(QMessageBox::Information, texto); }
void InterfazQt::Aviso(const QString &texto) { Mensaje(QMessageBox::Warning, texto); }
void InterfazQt::Error(const QString &texto) { Mensaje(QMessageBox::Critical, texto); }

bool InterfazQt::Confirmar(const QString &texto)
{
    SuperioresBajados guarda(*this);
    QMessageBox caja(QMessageBox::Question, QApplication::applicationName(), texto,
                     QMessageBox::Yes | QMessageBox::No, ventana_);
    caja.setDefaultButton(QMessageBox::No);
    return caja.exec() == QMessageBox::Yes;
}

std::optional<QString> InterfazQt::PedirTexto(const QString &titulo, const QString &etiqueta,
                                              const QString &inicial)
{
    SuperioresBajados guarda(*this);
    bool ok = false;
    const QString texto = QInputDialog::getText(ventana_, titulo, etiqueta, QLineEdit::Normal, inicial, &ok);
    if (!ok)
        return std::nullopt;
    return texto;
}

QString InterfazQt::ArchivoAbrir(const QString &titulo, const QString &filtro, const QString &carpeta)
{
    SuperioresBajados guarda(*this);
    return QFileDialog::getOpenFileName(ventana_, titulo, carpeta, filtro);
}

QString InterfazQt::ArchivoGuardar(const QString &titulo, const QString &filtro, const QString &propuesto)
{
    SuperioresBajados guarda(*this);
    return QFileDialog::getSaveFileName(ventana_, titulo, propuesto, filtro);
}

QString InterfazQt::LeerPortapapeles() { return QApplication::clipboard()->text(); }

void InterfazQt::EscribirPortapapeles(const QString &texto) { QApplication::clipboard()->setText(texto); }

bool InterfazQt::Imprimir(const std::function<void(QPrinter &)> &pintar, bool vistaPrevia)
{
    SuperioresBajados guarda(*this);
    QPrinter impresora(QPrinter::HighResolution);
    if (vistaPrevia) {
        QPrintPreviewDialog vista(&impresora, ventana_);
        QObject::connect(&vista, &QPrintPreviewDialog::paintRequested, [&](QPrinter *p) { pintar(*p); });
        return vista.exec() == QDialog::Accepted;
    }
    QPrintDialog dialogo(&impresora, ventana_);
    if (dialogo.exec() != QDialog::Accepted)
        return false;
    pintar(impresora);
    return true;
}

int InterfazQt::Modal(QDialog &dialogo)
{
    SuperioresBajados guarda(*this);
    return dialogo.exec();
}

bool InterfazQt::AbrirEnSistema(const QString &direccion)
{
    QUrl url = QUrl::fromUserInput(direccion);
    return QDesktopServices::openUrl(url);
}

// A stay-on-top window would cover the message it raised; take the flag off
// every such window while a message is up and give it back afterwards.
void InterfazQt::AlBajarSuperiores()
{
    bajadas_.clear();
    for (QWidget *w : QApplication::topLevelWidgets()) {
        // A dialog running its own modal loop would leave it when hidden by
        // the flag change; it stays as it is.
        if (w->isModal() || w == QApplication::activeModalWidget())
            continue;
        if (w->isVisible() && (w->windowFlags() & Qt::WindowStaysOnTopHint)) {
            bajadas_.append(w);
            w->setWindowFlag(Qt::WindowStaysOnTopHint, false);
            w->show();
        }
    }
}

void InterfazQt::AlRestaurarSuperiores()
{
    for (const QPointer<QWidget> &w : std::as_const(bajadas_)) {
        if (w) {
            w->setWindowFlag(Qt::WindowStaysOnTopHint, true);
            w->show();
        }
    }
    bajadas_.clear();
}
