#include "NuevoCalen.h"

#include "BaseCalendario.h"
#include "Interfaz.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

// Besides being empty, a name that would leave the calendar folder or that
// no file system takes is no name for a calendar.
bool NombreInvalido(const QString &nombre)
{
    if (nombre.trimmed().isEmpty())
        return true;
    for (QChar c : nombre)
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            return true;
    return false;
}

} // namespace

TFormNuevoCalen::TFormNuevoCalen(Interfaz &ui, BaseCalendario &bd, AjustesCalendario ajustes, QWidget *parent)
    : QDialog(parent), ui_(ui), BD(bd), ajustes_(ajustes)
{
    setWindowTitle(QStringLiteral("Creación de un nuevo calendario"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(true);

    Label1 = new QLabel(QStringLiteral("Nombre del nuevo calendario"), this);
    Nombre = new QLineEdit(this);
    Label1->setBuddy(Nombre);
    Label2 = new QLabel(QStringLiteral("Celndario actual:"), this);
    LNomCalendar = new QLabel(this);

    Seleccion = new QGroupBox(this);
    CopiarDelActual = new QRadioButton(QStringLiteral("Copiar del actual"), Seleccion);
    EnBlanco = new QRadioButton(QStringLiteral("En blanco"), Seleccion);
    auto *opciones = new QVBoxLayout(Seleccion);
    opciones->addWidget(CopiarDelActual);
    opciones->addWidget(EnBlanco);
    CopiarDelActual->setChecked(true);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("Cancelar"), this);

    auto *rejilla = new QGridLayout;
    rejilla->addWidget(Label1, 0, 0, 1, 2);
    rejilla->addWidget(Nombre, 1, 0, 1, 2);
    rejilla->addWidget(Label2, 2, 0);
    rejilla->addWidget(LNomCalendar, 2, 1);
    rejilla->addWidget(Seleccion, 3, 0, 1, 2);
    auto *botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(BitBtn1);
    botones->addWidget(BitBtn2);
    auto *todo = new QVBoxLayout(this);
    todo->addLayout(rejilla);
    todo->addLayout(botones);

    connect(BitBtn1, &QPushButton::clicked, this, &TFormNuevoCalen::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormNuevoCalen::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFormNuevoCalen::FormShow()
{
    Nombre->clear();
    CopiarDelActual->setChecked(true);
    // The in-use check compares against this caption, so a name without an
    // extension is shown whole rather than leaving the label blank.
    const qsizetype punto = CalendarioActual.indexOf(QLatin1Char('.'));
    LNomCalendar->setText(punto >= 0 ? CalendarioActual.left(punto) : CalendarioActual);
    Nombre->setFocus();
}

void TFormNuevoCalen::Rechazar(const QString &mensaje)
{
    Nombre->setFocus();
    ui_.Error(mensaje);
}

void TFormNuevoCalen::BitBtn1Click()
{
    const QString nombre = Nombre->text();
    if (NombreInvalido(nombre))
        return Rechazar(QStringLiteral("Nombre inválido"));
    if (nombre.contains(QLatin1Char('.')))
        return Rechazar(QStringLiteral("No puede incluir puntos en el nombre"));
    if (nombre == LNomCalendar->text())
        return Rechazar(QStringLiteral("Este calendario está en uso, elija otro nombre"));

    const QString nuevo = nombre + QStringLiteral(".udb");
    const QString ruta = BaseCalendario::UnirRuta(ajustes_.DirCalendar, nuevo);
    if (QFileInfo::exists(ruta)) {
        bool sobrescribir;
        {
            SuperioresBajados guarda(ui_);
            sobrescribir = ui_.Confirmar(QStringLiteral("Este calendario ya existe, ¿desea sobreescribirlo?"));
        }
        if (!sobrescribir) {
            Nombre->setFocus();
            return;
        }
    }

    const QString anterior = ajustes_.Calendario;
    try {
        BD.CopiarBase(ruta, true);
        BD.Desconectar();
        BD.FijarNombre(nuevo);
        BD.FijarDirectorio(ajustes_.DirCalendar);
        BD.Conectar();
        ajustes_.Calendario = nuevo;
    } catch (const ErrorCalendario &) {
        BD.Desconectar();
        BD.FijarNombre(anterior);
        BD.FijarDirectorio(ajustes_.DirCalendar);
        try {
            BD.Conectar();
        } catch (const ErrorCalendario &) {
            // The caller sees the calendar is gone when it checks the file.
        }
        ajustes_.Calendario = anterior;
        return Rechazar(QStringLiteral("Error al crear el nuevo calendario"));
    }

    if (EnBlanco->isChecked() && !Vaciar())
        return Rechazar(QStringLiteral("Error al crear el nuevo calendario"));
    accept();
}

// Empties the new calendar under exclusive access and returns to shared
// access whatever happens, so the program never keeps others locked out.
bool TFormNuevoCalen::Vaciar()
{
    bool bien = true;
    try {
        BD.Desconectar();
        BD.FijarExclusivo(true);
        BD.FijarNombre(ajustes_.Calendario);
        BD.FijarDirectorio(ajustes_.DirCalendar);
        BD.Conectar();
        BD.Abrir();
        BD.Vaciar();
        BD.Cerrar();
    } catch (const ErrorCalendario &) {
        bien = false;
    }
    BD.Desconectar();
    BD.FijarExclusivo(false);
    try {
        BD.Conectar();
    } catch (const ErrorCalendario &) {
        bien = false;
    }
    return bien;
}
