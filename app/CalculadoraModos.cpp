// The five modes and what each one shows.

#include "Calculadora.h"
#include "EtiquetaPulsable.h"
#include "Formato.h"
#include "MDatos.h"

#include <QGroupBox>

using namespace Funcion;

namespace {

void Pintar(QToolButton *b, const QString &texto, const QColor &color)
{
    b->setText(texto);
    QPalette p = b->palette();
    p.setColor(QPalette::ButtonText, color);
    b->setPalette(p);
}

} // namespace

void TFormCalculadora::TTipoChange()
{
    ModoActual = TTipo->value();
    static const int contextos[] = {1002, 2002, 3002, 4002, 5002};
    switch (ModoActual) {
    case 0: BotonesCalculadora(); break;
    case 1: BotonesFechas(); break;
    case 2: BotonesTiempo(); break;
    case 3: BotonesDigitos(); break;
    default: BotonesConfiguracion(); break;
    }
    HelpContext = contextos[qBound(0, ModoActual, 4)];
    TMemoriasChange();
    ReponerFoco();
    emit ModoCambiado(ModoActual);
}

void TFormCalculadora::ColorearModos(int modo)
{
    EtiquetaPulsable *etiquetas[] = {LModo0, LModo1, LModo2, LModo3, LModo4};
    for (int i = 0; i < 5; ++i) {
        QPalette p = etiquetas[i]->palette();
        p.setColor(QPalette::Window, palette().color(i == modo ? QPalette::ToolTipBase : QPalette::Button));
        p.setColor(QPalette::WindowText, palette().color(i == modo ? QPalette::ToolTipText : QPalette::ButtonText));
        etiquetas[i]->setPalette(p);
    }
    QPalette luz = EditPtas->palette();
    luz.setColor(QPalette::Base, palette().color(QPalette::Light));
    EditPtas->setPalette(luz);
}

void TFormCalculadora::MostrarDisplay(QLabel *visible)
{
    for (QLabel *l : {TextoPantalla, static_cast<QLabel *>(TextoPantalla1), TextoPantalla2})
        l->setVisible(l == visible);
}

void TFormCalculadora::MostrarTira(QListWidget *visible)
{
    for (QListWidget *t : {Papel, Papel1, Papel2})
        t->setVisible(t == visible);
}

void TFormCalculadora::AjustarPtasVisibles(bool calculadora)
{
    PanelPtas->setVisible(calculadora);
    CKPtas->setVisible(calculadora);
    LPtas->setVisible(calculadora);
    EditPtas->setVisible(false);
    PorcenAcum->setVisible(calculadora);
}

// Registers 1..5 serve the calculator, 6..10 the dates.
void TFormCalculadora::RangoMemorias(int primero)
{
    {
        const QSignalBlocker bloqueo(TMemorias);
        TMemorias->setRange(primero, primero + 4);
        TMemorias->setValue(primero);
    }
    QLabel *const lm[] = {LM1, LM2, LM3, LM4, LM5};
    for (int i = 0; i < 5; ++i)
        lm[i]->setText(QString::number(primero + i));
}

void TFormCalculadora::BotonesCalculadora()
{
    ColorearModos(0);
    Pintar(BPOR, QStringLiteral("x"), QColor(0, 0, 128));
    BPOR->setEnabled(true);
    BMENOS->setEnabled(true);
    BDIV->setEnabled(true);
    BPORCENT->setText(QStringLiteral("%"));
    BPORCENT->setEnabled(true);
    BSIGNO->setEnabled(true);
    BIGUAL->setEnabled(true);
    BotPegPorta->setEnabled(true);
    Fecha->hide();
    BExpresion->show();
    MostrarDisplay(TextoPantalla);
    MostrarTira(Papel);
    Label7->show();
    Label8->show();
    LSumandos->setText(QString::number(Sumandos));
    LRe1->setText(FormatearNumero(Suma, Mascara));
    const bool estabaPtas = CKPtas->isChecked();
    CKPtas->setChecked(false);
    if (estabaPtas)
        CKPtasClick();
    AjustarPtasVisibles(true);
    PanelDecimales->show();
    PanelMemorias->show();
    RangoMemorias(1);
    GroupDias->hide();
    PanelCoef->hide();
    PanelFTiempo->hide();
    PanelDigitos->hide();
    PanelConfiguracion->hide();
    HabAnotaClick();
    const bool copiar = BotPPP->isChecked();
    BotCopPPNum->setVisible(copiar);
    BotCopPPNumLetras->setVisible(copiar);
    BotCopPPPesetas->setVisible(copiar);
}

void TFormCalculadora::BotonesFechas()
{
    ColorearModos(1);
    Pintar(BPOR, QStringLiteral("*"), Qt::red);
    BPOR->setEnabled(true);
    BMENOS->setEnabled(true);
    BDIV->setEnabled(true);
    BPORCENT->setEnabled(false);
    BSIGNO->setEnabled(true);
    BIGUAL->setEnabled(false);
    BotPegPorta->setEnabled(false);
    Fecha->show();
    BExpresion->hide();
    MostrarDisplay(TextoPantalla1);
    VerPantalla1();
    MostrarTira(Papel1);
    Label7->show();
    Label8->show();
    LSumandos->setText(QString::number(SumandosFecha));
    LRe1->setText(FormatearNumero(SumaDias, QStringLiteral("#,##0")));
    AjustarPtasVisibles(false);
    PanelDecimales->hide();
    PanelMemorias->show();
    RangoMemorias(6);
    GroupDias->show();
    PanelCoef->show();
    PanelFTiempo->hide();
    PanelDigitos->hide();
    PanelConfiguracion->hide();
    if (md_.CalendarioAbierto) {
        Habiles->setEnabled(true);
        Habiles->setChecked(md_.Campos.DiasHab);
    } else {
        Habiles->setEnabled(false);
        Habiles->setChecked(false);
    }
    HabAnotaClick();
    BotCopPPNum->hide();
    BotCopPPNumLetras->hide();
    BotCopPPPesetas->hide();
}

void TFormCalculadora::BotonesTiempo()
{
    ColorearModos(2);
    Pintar(BPOR, QStringLiteral("*"), Qt::red);
    BPOR->setEnabled(true);
    BMENOS->setEnabled(false);
    BDIV->setEnabled(false);
    BPORCENT->setText(QStringLiteral(":"));
    BPORCENT->setEnabled(true);
    BSIGNO->setEnabled(false);
    BIGUAL->setEnabled(false);
    BotPegPorta->setEnabled(false);
    Fecha->hide();
    BExpresion->hide();
    MostrarDisplay(TextoPantalla2);
    MostrarTira(Papel2);
    Label7->show();
    Label8->show();
    LSumandos->clear();
    LRe1->clear();
    AjustarPtasVisibles(false);
    PanelDecimales->hide();
    PanelMemorias->hide();
    GroupDias->hide();
    PanelCoef->hide();
    PanelFTiempo->show();
    PanelDigitos->hide();
    PanelConfiguracion->hide();
    HabAnotaClick();
    BotCopPPNum->hide();
    BotCopPPNumLetras->hide();
    BotCopPPPesetas->hide();
    EntradaHora.clear();
    VerPantalla2();
}

// The two panel modes share everything but their panel and title; the
// window's key preview is off while they are set up.
void TFormCalculadora::ConTeclasApagadas(void (TFormCalculadora::*paso)())
{
    KeyPreview = false;
    BPOR->setEnabled(false);
    BDIV->setEnabled(false);
    BSIGNO->setEnabled(false);
    Fecha->hide();
    BExpresion->hide();
    MostrarDisplay(TextoPantalla2);
    MostrarTira(nullptr);
    Label7->hide();
    Label8->hide();
    LSumandos->clear();
    LRe1->clear();
    AjustarPtasVisibles(false);
    PanelDecimales->hide();
    PanelMemorias->hide();
    GroupDias->hide();
    PanelCoef->hide();
    PanelFTiempo->hide();
    PanelAnota->hide();
    BotCopPPNum->hide();
    BotCopPPNumLetras->hide();
    BotCopPPPesetas->hide();
    (this->*paso)();
    KeyPreview = true;
}

void TFormCalculadora::BotonesDigitos()
{
    ConTeclasApagadas(&TFormCalculadora::PasoDigitos);
}

void TFormCalculadora::PasoDigitos()
{
    ColorearModos(3);
    BPORCENT->setText(QStringLiteral("%"));
    BPORCENT->setEnabled(false);
    TextoPantalla2->setText(QStringLiteral("Varios"));
    PanelConfiguracion->hide();
    PanelDigitos->show();
    PanelDigitos->raise();
    EditNumero->clear();
    EditPor->clear();
    EditResultado->clear();
}

void TFormCalculadora::BotonesConfiguracion()
{
    ConTeclasApagadas(&TFormCalculadora::PasoConfiguracion);
}

void TFormCalculadora::PasoConfiguracion()
{
    ColorearModos(4);
    BPORCENT->setText(QStringLiteral(":"));
    BPORCENT->setEnabled(true);
    TextoPantalla2->setText(QStringLiteral("Configuración"));
    PanelDigitos->hide();
    PanelConfiguracion->show();
    PanelConfiguracion->raise();
    LSinCalendario->setVisible(!md_.CalendarioAbierto);
}
