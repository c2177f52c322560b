// The ten memory registers: 1..5 hold numbers for the calculator, 6..10
// hold dates or numbers of days for the date mode. Nothing here writes a tape.

#include "Calculadora.h"
#include "Controles.h"
#include "EtiquetaPulsable.h"
#include "FechaHora.h"
#include "Formato.h"
#include "Funcion.h"
#include "Interfaz.h"

using namespace Funcion;
using namespace Controles;

void TFormCalculadora::ConectarMemorias()
{
    connect(TMemorias, &QSlider::valueChanged, this, [this] { TMemoriasChange(); });
    const std::pair<QToolButton *, void (TFormCalculadora::*)()> botones[] = {
        {BGM, &TFormCalculadora::BGMClick},          {RM, &TFormCalculadora::RMClick},
        {SM, &TFormCalculadora::SMClick},            {MM, &TFormCalculadora::MMClick},
        {CM, &TFormCalculadora::CMClick},            {CTM, &TFormCalculadora::CTMClick},
        {BMASMEM, &TFormCalculadora::BMASMEMClick},  {BMENOSMEM, &TFormCalculadora::BMENOSMEMClick},
    };
    for (const auto &[boton, manejador] : botones)
        connect(boton, &QToolButton::clicked, this, [this, m = manejador] { (this->*m)(); });
    EtiquetaPulsable *const lm[] = {LM1, LM2, LM3, LM4, LM5};
    for (int i = 0; i < 5; ++i)
        connect(lm[i], &EtiquetaPulsable::pulsada, this, [this, i] { LMClick(i); });
}

void TFormCalculadora::TMemoriasChange()
{
    const int n = TMemorias->value();
    const bool numerica = n >= 1 && n <= 5;
    if (numerica)
        LMemoria->setText(FormatoGeneral(Memorias[n - 1]));
    else if (n >= 6 && n <= 10)
        LMemoria->setText(MemoriasFecha[n - 6]);
    const QString t = LMemoria->text();
    QLabel *const lm[] = {LM1, LM2, LM3, LM4, LM5};
    if (ModoActual == 0) {
        const bool hay = !t.isEmpty() && t != QLatin1String("0");
        for (QToolButton *b : {RM, SM, MM, CM})
            b->setEnabled(hay);
        for (int i = 0; i < 5; ++i)
            Marcar(lm[i], Memorias[i] != 0);
    } else if (ModoActual == 1) {
        if (!t.isEmpty()) {
            RM->setEnabled(true);
            CM->setEnabled(true);
        } else {
            for (QToolButton *b : {RM, CM, SM, MM})
                b->setEnabled(false);
        }
        for (int i = 0; i < 5; ++i)
            Marcar(lm[i], !MemoriasFecha[i].isEmpty());
    }
    E->setFocus();
}

void TFormCalculadora::BGMClick()
{
    Bkk->setChecked(true);
    const int n = TMemorias->value();
    if (ModoActual == 0 && n >= 1 && n <= 5 && EntradaCalc != QLatin1String("0")) {
        Memorias[n - 1] = TextoANumero(EntradaCalc);
        LMemoria->setText(FormatoGeneral(Memorias[n - 1]));
        for (QToolButton *b : {RM, SM, MM, CM})
            b->setEnabled(true);
    } else if (ModoActual == 1 && n >= 6 && n <= 10 && !EntradaFecha.isEmpty()) {
        double fecha = 0;
        if (EntradaFecha.contains(QLatin1Char('/')) && !TextoAFecha(EntradaFecha, fecha)) {
            SuperioresBajados guarda(ui_);
            ui_.Aviso(QStringLiteral("valor inválido"));
        } else {
            MemoriasFecha[n - 6] = EntradaFecha;
            LMemoria->setText(EntradaFecha);
            RM->setEnabled(true);
            CM->setEnabled(true);
        }
    }
    TMemoriasChange();
}

void TFormCalculadora::RMClick()
{
    Bkk->setChecked(true);
    const QString t = LMemoria->text();
    if (t.isEmpty())
        return;
    if (ModoActual == 0) {
        EntradaCalc = t;
        ContarDigDec(EntradaCalc);
        VerPantalla(EntradaCalc);
    } else if (ModoActual == 1) {
        EntradaFecha = t;
        VerPantalla1();
    }
}

void TFormCalculadora::SMClick()
{
    const int n = TMemorias->value();
    if (ModoActual != 0 || n < 1 || n > 5)
        return;
    Memorias[n - 1] += TextoANumero(EntradaCalc);
    LMemoria->setText(FormatoGeneral(Memorias[n - 1]));
}

void TFormCalculadora::MMClick()
{
    const int n = TMemorias->value();
    if (n < 1 || n > 5)
        return;
    Memorias[n - 1] -= TextoANumero(EntradaCalc);
    LMemoria->setText(FormatoGeneral(Memorias[n - 1]));
}

void TFormCalculadora::CMClick()
{
    const int n = TMemorias->value();
    if (n >= 1 && n <= 5)
        Memorias[n - 1] = 0;
    else if (n >= 6 && n <= 10)
        MemoriasFecha[n - 6].clear();
    LMemoria->clear();
    TMemoriasChange();
}

void TFormCalculadora::CTMClick()
{
    if (ModoActual == 0)
        Memorias.fill(0);
    else if (ModoActual == 1)
        for (QString &m : MemoriasFecha)
            m.clear();
    LMemoria->clear();
    TMemoriasChange();
}

void TFormCalculadora::BMASMEMClick() { TMemorias->setValue(TMemorias->value() + 1); }
void TFormCalculadora::BMENOSMEMClick() { TMemorias->setValue(TMemorias->value() - 1); }
void TFormCalculadora::LMClick(int i) { TMemorias->setValue(TMemorias->minimum() + i); }
