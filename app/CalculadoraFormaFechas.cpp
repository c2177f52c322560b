// Assembly of the memory panel and the date-mode panels: widgets and layouts only.

#include "Calculadora.h"
#include "Controles.h"
#include "EtiquetaPulsable.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QVBoxLayout>

using namespace Controles;

namespace {

QToolButton *BotonMemoria(QWidget *parent, const QString &texto, const QString &nombre, const QString &ayuda)
{
    QToolButton *b = BotonHerramienta(parent, texto, nombre, ayuda);
    b->setAutoRaise(false);
    b->setMinimumSize(22, 20);
    return b;
}

EtiquetaPulsable *Indicador(QWidget *parent, const QString &texto, const QString &nombre)
{
    auto *l = new EtiquetaPulsable(texto, parent);
    l->setObjectName(nombre);
    l->setAlignment(Qt::AlignCenter);
    l->setAutoFillBackground(true);
    l->setFrameShape(QFrame::Panel);
    l->setMinimumWidth(18);
    return l;
}

} // namespace

QWidget *TFormCalculadora::CrearPanelMemorias(QWidget *padre)
{
    PanelMemorias = new QWidget(padre);
    PanelMemorias->setObjectName(QStringLiteral("PanelMemorias"));
    auto *m = new QGridLayout(PanelMemorias);
    m->setContentsMargins(0, 0, 0, 0);
    m->setSpacing(1);
    Label6 = new QLabel(QStringLiteral("Memorias"), PanelMemorias);
    Label6->setObjectName(QStringLiteral("Label6"));
    LMemoria = new QLabel(QStringLiteral("0"), PanelMemorias);
    LMemoria->setObjectName(QStringLiteral("LMemoria"));
    LMemoria->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LMemoria->setFrameShape(QFrame::StyledPanel);
    m->addWidget(Label6, 0, 0, 1, 3);
    m->addWidget(LMemoria, 0, 3, 1, 4);

    BMENOSMEM = BotonMemoria(PanelMemorias, QStringLiteral("-"), QStringLiteral("BMENOSMEM"), {});
    BMASMEM = BotonMemoria(PanelMemorias, QStringLiteral("+"), QStringLiteral("BMASMEM"), {});
    EtiquetaPulsable **lm[] = {&LM1, &LM2, &LM3, &LM4, &LM5};
    m->addWidget(BMENOSMEM, 1, 0);
    for (int i = 0; i < 5; ++i) {
        *lm[i] = Indicador(PanelMemorias, QString::number(i + 1), QStringLiteral("LM%1").arg(i + 1));
        m->addWidget(*lm[i], 1, i + 1);
    }
    m->addWidget(BMASMEM, 1, 6);

    TMemorias = new QSlider(Qt::Horizontal, PanelMemorias);
    TMemorias->setObjectName(QStringLiteral("TMemorias"));
    TMemorias->setRange(1, 5);
    TMemorias->setPageStep(1);
    TMemorias->setFocusPolicy(Qt::NoFocus);
    TMemorias->setToolTip(QStringLiteral("Seleccione el nº de memoria con la que quiere operar (Shift-Flechas / F6..F10)"));
    m->addWidget(TMemorias, 2, 1, 1, 5);

    // The store and recall buttons belong to the keypad's latch, as the keys G and R press them.
    BGM = TeclaNueva(QStringLiteral("G"), QStringLiteral("BGM"));
    BGM->setToolTip(QStringLiteral("Guardar en memoria"));
    RM = TeclaNueva(QStringLiteral("R"), QStringLiteral("RM"));
    RM->setToolTip(QStringLiteral("Recuperar de la memoria"));
    for (QToolButton *b : {BGM, RM}) {
        b->setMinimumSize(22, 20);
        b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    }
    SM = BotonMemoria(PanelMemorias, QStringLiteral("+"), QStringLiteral("SM"), QStringLiteral("Sumar a la memoria"));
    MM = BotonMemoria(PanelMemorias, QStringLiteral("-"), QStringLiteral("MM"), QStringLiteral("Restar a la memoria"));
    CM = BotonMemoria(PanelMemorias, QStringLiteral("C"), QStringLiteral("CM"), QStringLiteral("Borrar memoria"));
    CTM = BotonMemoria(PanelMemorias, QStringLiteral("X"), QStringLiteral("CTM"), QStringLiteral("Borra  las 5 memorias"));
    QPalette rojo = CTM->palette();
    rojo.setColor(QPalette::ButtonText, Qt::red);
    CTM->setPalette(rojo);
    for (QToolButton *b : {RM, SM, MM, CM})
        b->setEnabled(false);
    auto *botones = new QHBoxLayout;
    botones->setSpacing(1);
    for (QToolButton *b : {BGM, RM, SM, MM, CM, CTM})
        botones->addWidget(b);
    m->addLayout(botones, 3, 0, 1, 7);
    return PanelMemorias;
}

QWidget *TFormCalculadora::CrearPanelesFechas()
{
    auto *bloque = new QWidget(this);
    auto *v = new QVBoxLayout(bloque);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    auto *h = new QHBoxLayout;
    h->setSpacing(4);

    GroupDias = new QGroupBox(QStringLiteral("Días"), bloque);
    GroupDias->setObjectName(QStringLiteral("GroupDias"));
    auto *g = new QGridLayout(GroupDias);
    g->setContentsMargins(4, 2, 4, 2);
    g->setSpacing(2);
    AmbosInc = Casilla(GroupDias, QStringLiteral("&Ambos inclusive"), QStringLiteral("AmbosInc"),
                       QStringLiteral("Incluir el primer y el último día"));
    Habiles = Casilla(GroupDias, QStringLiteral("&Hábiles"), QStringLiteral("Habiles"),
                      QStringLiteral("Contar los días hábiles"));
    SabadosNo = Casilla(GroupDias, QStringLiteral("&Sábado no hábil"), QStringLiteral("SabadosNo"),
                        QStringLiteral("No contabilizar el sábado como hábil "));
    SabadosNo->setEnabled(false);
    DMA = Casilla(GroupDias, QStringLiteral("DMA"), QStringLiteral("DMA"),
                  QStringLiteral("Muestras los días naturales de un periodo (años, meses, dias)"));
    BotCalendar = BotonHerramienta(GroupDias, QStringLiteral("Festivos"), QStringLiteral("BotCalendar"),
                                   QStringLiteral("Calendario para los festivos"));
    g->addWidget(AmbosInc, 0, 0);
    g->addWidget(DMA, 0, 1);
    g->addWidget(Habiles, 1, 0);
    g->addWidget(BotCalendar, 1, 1);
    g->addWidget(SabadosNo, 2, 0, 1, 2);

    Panel6 = new QWidget(GroupDias);
    Panel6->setObjectName(QStringLiteral("Panel6"));
    Panel6->setToolTip(QStringLiteral("Seleccione el/los dia(s) de la semana que desea contar"));
    auto *semana = new QHBoxLayout(Panel6);
    semana->setContentsMargins(0, 0, 0, 0);
    semana->setSpacing(1);
    EtiquetaPulsable **dias[] = {&L, &M, &X, &J, &V, &S, &D};
    const char *letras = "LMXJVSD";
    for (int i = 0; i < 7; ++i) {
        const QString letra(QLatin1Char(letras[i]));
        *dias[i] = Indicador(Panel6, letra, letra);
        (*dias[i])->setToolTip(Panel6->toolTip());
        semana->addWidget(*dias[i]);
    }
    BotLimDias = BotonHerramienta(Panel6, QStringLiteral("x"), QStringLiteral("BotLimDias"),
                                  QStringLiteral("Borra la selección de dias"));
    BotLimDias->hide();
    semana->addWidget(BotLimDias);
    g->addWidget(Panel6, 3, 0, 1, 2);
    h->addWidget(GroupDias, 1);

    PanelCoef = new QWidget(bloque);
    PanelCoef->setObjectName(QStringLiteral("PanelCoef"));
    auto *c = new QGridLayout(PanelCoef);
    c->setContentsMargins(0, 0, 0, 0);
    c->setSpacing(2);
    Coef = Casilla(PanelCoef, QStringLiteral("Coef"), QStringLiteral("Coef"),
                   QStringLiteral("Coeficiente (Tiempo parcial  1=100%   0,5=50%)"));
    EditCoef = new QLineEdit(QStringLiteral("1"), PanelCoef);
    EditCoef->setObjectName(QStringLiteral("EditCoef"));
    EditCoef->setMaxLength(5);
    EditCoef->setMaximumWidth(60);
    EditCoef->setEnabled(false);
    QPalette luz = EditCoef->palette();
    luz.setColor(QPalette::Base, palette().color(QPalette::Light));
    EditCoef->setPalette(luz);
    Mult15 = Casilla(PanelCoef, QStringLiteral(" X 1,5 T.Parcial"), QStringLiteral("Mult15"),
                     QStringLiteral("Multiplicar resutlado por 1,5 (Cotización tiempo parcial)"));
    Mult15->hide();
    MascaraFecha = Casilla(PanelCoef, QStringLiteral("Máscara fecha"), QStringLiteral("MascaraFecha"),
                           QStringLiteral("Formatea la entrada de fechas (Desactivar para introducir días)"));
    c->addWidget(Coef, 0, 0);
    c->addWidget(EditCoef, 0, 1);
    c->addWidget(Mult15, 1, 0, 1, 2);
    c->addWidget(MascaraFecha, 2, 0, 1, 2);
    c->setRowStretch(3, 1);
    h->addWidget(PanelCoef);
    v->addLayout(h);

    Gauge1 = new QProgressBar(bloque);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setTextVisible(false);
    Gauge1->setMaximumHeight(8);
    Gauge1->hide();
    v->addWidget(Gauge1);
    return bloque;
}
