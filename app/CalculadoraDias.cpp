// Day counting options of the date mode: business days against the holiday
// calendar, "Ambos inclusive", Saturdays, the weekday selection and its
// counts on the tape, the date mask and the date picker.

#include "BaseCalendario.h"
#include "Calculadora.h"
#include "Controles.h"
#include "Dias.h"
#include "EtiquetaPulsable.h"
#include "FechaHora.h"
#include "Formato.h"
#include "Interfaz.h"
#include "MDatos.h"

#include <QCalendarWidget>
#include <QProgressBar>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <QCoreApplication>

using namespace Funcion;
using namespace Controles;

namespace {

OpcionesDias Opciones(const QCheckBox *ambos, const QCheckBox *habiles, const QCheckBox *sabados)
{
    OpcionesDias o;
    o.ambosInc = ambos->isChecked();
    o.habiles = habiles->isChecked();
    o.sabadosNo = sabados->isChecked();
    return o;
}

// The calendar table is open only while one count runs.
struct TablaAbierta {
    BaseCalendario &bd;
    bool abierta = false;
    TablaAbierta(BaseCalendario &b, bool usar) : bd(b)
    {
        if (usar && !bd.Abierta()) {
            bd.Abrir();
            abierta = true;
        }
    }
    ~TablaAbierta()
    {
        if (abierta)
            bd.Cerrar();
    }
};

// An open calendar with rows: the only kind the counts ever ask.
bool CalendarioConFilas(TMD &md)
{
    if (!md.CalendarioAbierto || !md.BD.Conectado())
        return false;
    TablaAbierta tabla(md.BD, true);
    return md.BD.NumeroFilas() > 0;
}

} // namespace

void TFormCalculadora::ConectarFechas()
{
    connect(Habiles, &QCheckBox::toggled, this, [this] { HabilesClick(); });
    connect(SabadosNo, &QCheckBox::clicked, this, [this] { SabadosNoClick(); });
    connect(AmbosInc, &QCheckBox::clicked, this, [this] { AmbosIncClick(); });
    connect(DMA, &QCheckBox::clicked, this, [this] { DMAClick(); });
    connect(MascaraFecha, &QCheckBox::clicked, this, [this] { MascaraFechaClick(); });
    connect(BotLimDias, &QToolButton::clicked, this, [this] { BotLimDiasClick(); });
    connect(BotCalendar, &QToolButton::clicked, this, [this] { BotCalendarClick(); });
    for (EtiquetaPulsable *l : {L, M, X, J, V, S, D})
        connect(l, &EtiquetaPulsable::pulsada, this, [this, l] { LClick(l); });
    connect(Coef, &QCheckBox::clicked, this, [this] { CoefClick(); });
    connect(EditCoef, &QLineEdit::textChanged, this, [this] { EditCoefChange(); });
    connect(Fecha, &QDateEdit::dateChanged, this, [this] { FechaChange(); });
    if (QCalendarWidget *mes = Fecha->calendarWidget())
        connect(mes, &QCalendarWidget::clicked, this, [this] { FechaCloseUp(); });
}

std::function<std::vector<int>(int, int)> TFormCalculadora::ConsultaFestivos()
{
    if (!CalendarioConFilas(md_))
        return {};
    return [this](int desde, int hasta) {
        TablaAbierta tabla(md_.BD, true);
        std::vector<int> dias;
        const QList<Festivo> festivos = md_.BD.Festivos(desde, hasta);
        dias.reserve(festivos.size());
        for (const Festivo &f : festivos)
            dias.push_back(int(f.fecha));
        return dias;
    };
}

std::function<std::array<int, 8>(int, int)> TFormCalculadora::ConteoFestivos()
{
    if (!CalendarioConFilas(md_))
        return {};
    return [this](int desde, int hasta) {
        TablaAbierta tabla(md_.BD, true);
        return ContadorSemanaDe(md_.BD.FestivosPorDiaSemana(desde, hasta));
    };
}

double TFormCalculadora::CalcularDias(double primera, double segunda)
{
    // The count costs no more for a century than for a week, so the
    // progress gauge never has anything to show.
    const double desde = std::min(primera, segunda);
    const double hasta = std::max(primera, segunda);
    const double r = Habiles->isChecked() ? DiasHabiles(desde, hasta)
                                          : ::CalcularDias(int(desde), int(hasta), Opciones(AmbosInc, Habiles, SabadosNo), ::ConteoFestivos{});
    if (DiasSeleccionados > 0)
        NumDiasSem(desde, hasta);
    Gauge1->hide();
    return r;
}

double TFormCalculadora::DiasHabiles(double desde, double hasta)
{
    return ::DiasHabiles(int(desde), int(hasta), Opciones(AmbosInc, Habiles, SabadosNo), ConteoFestivos());
}

void TFormCalculadora::NumDiasSem(double desde, double hasta)
{
    const OpcionesDias o = Opciones(AmbosInc, Habiles, SabadosNo);
    const ContadorSemana c = ::NumDiasSem(int(desde), int(hasta), o, o.habiles ? ConteoFestivos() : ::ConteoFestivos{});
    for (int i = 1; i <= 7; ++i)
        ContadorDias[i] = c[i];
}

namespace {

// More days than the whole calendar holds can only land outside it.
int DiasEnRango(double dias)
{
    if (!(std::abs(dias) <= double(kUltimoDia - kPrimerDia)))
        throw std::out_of_range("dias");
    return int(dias);
}

} // namespace

double TFormCalculadora::CalcularFecha(double fecha, double dias)
{
    const OpcionesDias o = Opciones(AmbosInc, Habiles, SabadosNo);
    if (o.habiles)
        return NumDiasHabiles(fecha, dias);
    return ::CalcularFecha(int(fecha), DiasEnRango(dias), o, {});
}

double TFormCalculadora::NumDiasHabiles(double fecha, double dias)
{
    return ::NumDiasHabiles(int(fecha), DiasEnRango(dias), Opciones(AmbosInc, Habiles, SabadosNo), ConsultaFestivos());
}

void TFormCalculadora::ImprimirDias()
{
    static const struct {
        const char *texto;
        int dia;
    } filas[] = {
        {"Lunes:     ", 2}, {"Martes:    ", 3}, {"Miércoles: ", 4}, {"Jueves:    ", 5},
        {"Viernes:   ", 6}, {"Sábados:   ", 7}, {"Domingos:  ", 1},
    };
    EtiquetaPulsable *const etiquetas[] = {L, M, X, J, V, S, D};
    for (int i = 0; i < 7; ++i)
        if (Marcada(etiquetas[i]))
            Papel1->addItem(QString::fromUtf8(filas[i].texto)
                            + FormatearNumero(ContadorDias[filas[i].dia], QStringLiteral("#,##0")));
    TiraPapel1(QString(), QLatin1Char('F'));
    const int n = Papel1->count();
    if (n > 0)
        Papel1->scrollToItem(Papel1->item(std::max(0, n - 5)), QAbstractItemView::PositionAtTop);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TFormCalculadora::LClick(EtiquetaPulsable *etiqueta)
{
    const bool ahora = !Marcada(etiqueta);
    Marcar(etiqueta, ahora);
    DiasSeleccionados += ahora ? 1 : -1;
    if (DiasSeleccionados <= 0) {
        BotLimDias->hide();
    } else {
        BotLimDias->show();
        if (Habiles->isEnabled()) {
            if (HabilesAntes == 0)
                HabilesAntes = Habiles->isChecked() ? 2 : 1;
            Habiles->setChecked(true);
        } else if (DiasSeleccionados == 1) {
            SuperioresBajados guarda(ui_);
            ui_.Aviso(QStringLiteral("No hay calendario de festivos"));
        }
    }
    BotLimDias->update();
    if (DiasSeleccionados == 0) {
        if (HabilesAntes == 1)
            Habiles->setChecked(false);
        HabilesAntes = 0;
    }
}

void TFormCalculadora::BotLimDiasClick()
{
    for (EtiquetaPulsable *l : {L, M, X, J, V, S, D})
        Marcar(l, false);
    DiasSeleccionados = 0;
    BotLimDias->hide();
}

void TFormCalculadora::HabilesClick()
{
    if (Habiles->isChecked()) {
        SabadosNo->setEnabled(true);
        SabadosNo->setChecked(md_.Campos.Sabadosno);
    } else {
        SabadosNo->setChecked(false);
        SabadosNo->setEnabled(false);
    }
    E->setFocus();
}

void TFormCalculadora::SabadosNoClick() { E->setFocus(); }
void TFormCalculadora::AmbosIncClick() { E->setFocus(); }
void TFormCalculadora::DMAClick() { E->setFocus(); }

void TFormCalculadora::MascaraFechaClick()
{
    E->setFocus();
    const QString limpio = QString(EntradaFecha).remove(QLatin1Char('/'));
    if (MascaraFecha->isChecked()) {
        QString t;
        for (QChar c : limpio) {
            t += c;
            if (t.length() == 2 || t.length() == 5)
                t += QLatin1Char('/');
        }
        EntradaFecha = t;
    } else {
        EntradaFecha = limpio;
    }
    VerPantalla1();
}

void TFormCalculadora::FechaChange()
{
    EntradaFecha = FormatearFecha(FechaASerial(Fecha->date()), QStringLiteral("dd/mm/yyyy"));
    VerPantalla1();
}

void TFormCalculadora::FechaCloseUp()
{
    FechaChange();
    BPORClick();
}

void TFormCalculadora::BotCalendarClick() { BotCalendar2Click(); }
