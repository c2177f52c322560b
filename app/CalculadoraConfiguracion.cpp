// The configuration mode's buttons: saving the settings, restoring their
// defaults, and choosing, creating and repairing the holiday calendar.

#include "BaseCalendario.h"
#include "Calculadora.h"
#include "Interfaz.h"
#include "MDatos.h"
#include "NuevoCalen.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString ConBarra(const QString &directorio)
{
    return directorio.endsWith(QLatin1Char('/')) ? directorio : directorio + QLatin1Char('/');
}

bool ExisteCalendario(const Configuracion &c)
{
    return QFileInfo(ConBarra(c.DirCalendar) + c.Calendario).isFile();
}

} // namespace

void TFormCalculadora::BotGuardarClick()
{
    GuardarVariables();
    md_.GuardarPendiente = true;
    md_.Guardar_Registro();
}

void TFormCalculadora::BotGuardarPredeterminadosClick()
{
    md_.GrabarPredeterminados();
    FormCreate();
    FormShow();
}

void TFormCalculadora::BotCalendarioClick()
{
    SuperioresBajados guarda(ui_);
    const QString elegido = ui_.ArchivoAbrir(QStringLiteral("Calendario"), QStringLiteral("Calendarios (*.udb)"),
                                             LDirCalendar->text());
    if (!elegido.isEmpty()) {
        const QFileInfo info(elegido);
        EditCalendar->setText(info.fileName());
        LDirCalendar->setText(ConBarra(info.absolutePath()));
        if (!info.exists()) {
            md_.Campos.SiempreVisible = false;
            if (ui_.Confirmar(QStringLiteral("El calendario") + info.fileName()
                              + QStringLiteral(" no existe. ¿desea crearlo?")))
                BotNuevoClick();
        }
        md_.BD.Desconectar();
        md_.BD.FijarNombre(EditCalendar->text());
        md_.BD.FijarDirectorio(LDirCalendar->text());
        try {
            md_.BD.Conectar();
        } catch (const ErrorCalendario &) {
            LSinCalendario->show();
            md_.CalendarioAbierto = false;
            ui_.Error(QStringLiteral("Error al abrir el calendario"));
            return;
        }
        md_.Campos.Calendario = EditCalendar->text();
        md_.Campos.DirCalendar = LDirCalendar->text();
        LSinCalendario->hide();
    }
    md_.CalendarioAbierto = ExisteCalendario(md_.Campos);
}

void TFormCalculadora::BotNuevoClick()
{
    if (!md_.CalendarioAbierto) {
        {
            SuperioresBajados guarda(ui_);
            ui_.Informacion(QStringLiteral("Para crear un calendario debe partir de una plantilla existente")
                            + QStringLiteral("\r\n") + QStringLiteral("seleccione primero uno"));
        }
        BotCalendarioClick();
    } else {
        TFormNuevoCalen dialogo(ui_, md_.BD, AjustesCalendario{md_.Campos.Calendario, md_.Campos.DirCalendar}, this);
        dialogo.move(pos() + QPoint(50, 50));
        dialogo.CalendarioActual = EditCalendar->text();
        ui_.Modal(dialogo);
        LDirCalendar->setText(md_.Campos.DirCalendar);
        EditCalendar->setText(md_.Campos.Calendario);
    }
    md_.CalendarioAbierto = ExisteCalendario(md_.Campos);
    LSinCalendario->setVisible(!md_.CalendarioAbierto);
}

void TFormCalculadora::BotReconstruirClick()
{
    md_.BD.Desconectar();
    try {
        md_.BD.Reconstruir();
    } catch (const ErrorCalendario &e) {
        ui_.Error(e.Mensaje());
    }
    try {
        md_.BD.Conectar();
    } catch (const ErrorCalendario &e) {
        ui_.Error(e.Mensaje());
    }
    md_.CalendarioAbierto = md_.BD.Conectado();
    LSinCalendario->setVisible(!md_.CalendarioAbierto);
}

// The annual calendar window arrives with the calendar editor.
void TFormCalculadora::BotCalendar2Click() {}
