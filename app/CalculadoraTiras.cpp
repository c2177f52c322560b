// The three tape writers, and clearing a tape or a whole mode.

#include "Calculadora.h"
#include "FechaHora.h"
#include "Formato.h"
#include "Interfaz.h"
#include "LineasTira.h"
#include "TotalHoras.h"

#include <QCoreApplication>
#include <QTimer>

using namespace Funcion;

void TFormCalculadora::EscribirLineas(QListWidget *tira, QLabel *cuenta, const QStringList &lineas,
                                      const QString &resultado)
{
    tira->addItems(lineas);
    const int total = tira->count();
    cuenta->setText(QString::number(total));
    // Repaints and timer ticks may run between two lines of one operation;
    // a key typed meanwhile waits until the operation has finished. Scrolling
    // lays the whole list out again and a repaint costs far more than a line,
    // so a burst of lines (a long paste) does both a few dozen times a second
    // and the last line is brought into view once the burst is over.
    if (!ultimoBombeo_.isValid() || ultimoBombeo_.elapsed() >= IntervaloBombeoMs) {
        tira->scrollToBottom();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        ultimoBombeo_.restart();
    } else if (!desplazamientoPendiente_) {
        desplazamientoPendiente_ = true;
        QTimer::singleShot(0, this, [this] {
            desplazamientoPendiente_ = false;
            for (QListWidget *t : {Papel, Papel1, Papel2})
                t->scrollToBottom();
        });
    }
    LRe1->setText(resultado);
    const char *aviso = nullptr;
    if (total == 2000)
        aviso = "Convendría borrar la tira de papel";
    else if (total == 8000)
        aviso = "Todavía no quiere borrar la tira?";
    else if (total == 15000)
        aviso = "Si no borra la tira de papel puede tener problemas de memoria";
    if (aviso) {
        SuperioresBajados guarda(ui_);
        ui_.Informacion(QString::fromUtf8(aviso));
    }
}

void TFormCalculadora::TiraPapel(QChar marca, double valor)
{
    Tira::EstadoCalculadora estado;
    estado.decimales = Decimales();
    estado.flotante = Flotante();
    estado.mascara = Mascara;
    estado.sumandos = Sumandos;
    EscribirLineas(Papel, LPapel, Tira::LineasCalculadora(marca, valor, estado), FormatearNumero(Suma, Mascara));
}

void TFormCalculadora::TiraPapel1(const QString &texto, QChar marca)
{
    Tira::EstadoFechas estado;
    estado.ambosInc = AmbosInc->isChecked();
    estado.habiles = Habiles->isChecked();
    estado.sabadosNo = SabadosNo->isChecked();
    estado.coeficiente = EditCoef->text();
    estado.sumandos = SumandosFecha;
    double fecha = 0;
    const QStringList lineas = Tira::LineasFechas(texto, marca, estado, &fecha);
    if (fecha != 0) {
        // The picker follows the tape; only the user's own picks are entries.
        const QSignalBlocker bloqueo(Fecha);
        Fecha->setDate(SerialAFecha(fecha));
    }
    EscribirLineas(Papel1, LPapel1, lineas, FormatearNumero(SumaDias, QStringLiteral("#,##0")));
}

void TFormCalculadora::TiraPapel2(const QString &texto, QChar marca)
{
    Tira::EstadoTiempo estado;
    estado.totalHoras = VerTotalHoras(TotalHoras);
    estado.marcas = ContadorMarcas;
    estado.sumandos = SumandosHora;
    QString resultado;
    const QStringList lineas = Tira::LineasTiempo(texto, marca, estado, &resultado);
    EscribirLineas(Papel2, LPapel2, lineas, resultado);
}

void TFormCalculadora::BBorrarTiraClick()
{
    Bkk->setChecked(true);
    switch (ModoActual) {
    case 0: Papel->clear(); break;
    case 1: Papel1->clear(); break;
    case 2: Papel2->clear(); break;
    default: break;
    }
}

void TFormCalculadora::BBorrarTodoClick()
{
    Bkk->setChecked(true);
    {
        SuperioresBajados guarda(ui_);
        if (!ui_.Confirmar(QStringLiteral("Quiere borrarlo todo?")))
            return;
        switch (ModoActual) {
        case 0:
            EntradaCalc = QStringLiteral("0");
            LnumCar->setText(EntradaCalc);
            EditPtas->clear();
            LPtas->clear();
            Multiplicando = Multiplicador = Dividendo = Divisor = 0;
            VerPantalla(EntradaCalc);
            Sumando = Suma = 0;
            LRe1->setText(FormatearNumero(0, Mascara));
            Sumandos = 0;
            LSumandos->setText(QStringLiteral("0"));
            ContarDigDec(QString());
            Papel->clear();
            TiraPapel(QLatin1Char('C'), 0);
            TiraPapel(QLatin1Char(' '), 0);
            break;
        case 1:
            EntradaFecha.clear();
            LnumCar->setText(EntradaFecha);
            VerPantalla1();
            PrimeraFecha.clear();
            SegundaFecha.clear();
            SumandoDias = SumaDias = 0;
            SumandosFecha = 0;
            LRe1->setText(FormatearNumero(0, Mascara));
            LSumandos->setText(QStringLiteral("0"));
            Papel1->clear();
            TiraPapel1(QString(), QLatin1Char('B'));
            TiraPapel1(QString(), QLatin1Char(' '));
            break;
        case 2:
            EntradaHora.clear();
            LnumCar->setText(EntradaHora);
            VerPantalla2();
            HoraInicio = HoraFin = TotalHoras = 0;
            HoraInicioFijada = HoraFinFijada = false;
            SumandosHora = 0;
            LRe1->setText(QStringLiteral("0"));
            LSumandos->setText(QStringLiteral("0"));
            Papel2->clear();
            TiraPapel2(QStringLiteral("0"), QLatin1Char('C'));
            TiraPapel2(QString(), QLatin1Char(' '));
            break;
        default:
            break;
        }
    }
    Bkk->setChecked(true);
}
