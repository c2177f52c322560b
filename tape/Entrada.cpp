#include "Entrada.h"

#include "FechaHora.h"
#include "Interfaz.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

namespace {

const QString kHoraIncorrecta = QStringLiteral("Hora incorrecta, formato hh:ss");

// Help topics of the time panel, one per time mode.
int AyudaHoras(const QString &modo)
{
    if (modo == QLatin1String("alarma"))
        return 12200;
    if (modo == QLatin1String("alarma2"))
        return 12230;
    if (modo == QLatin1String("cuentaatras"))
        return 12210;
    if (modo == QLatin1String("cuentaatras2"))
        return 12240;
    return 0;
}

QToolButton *CrearBotonRapido(const QString &texto, QWidget *padre)
{
    auto *b = new QToolButton(padre);
    b->setText(texto);
    // Reachable with Tab and pressed with the space bar, like the rest.
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

} // namespace

TFormEntrada::TFormEntrada(Interfaz &ui, QWidget *parent, Reloj reloj)
    : QDialog(parent), ui_(ui), reloj_(reloj ? std::move(reloj) : Reloj(&QTime::currentTime))
{
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint
                   | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(true);

    PanelHoras = new Panel(this);
    PanelHoras->setObjectName(QStringLiteral("PanelHoras"));
    b5 = CrearBotonRapido(QStringLiteral("+ 5 min"), PanelHoras);
    b15 = CrearBotonRapido(QStringLiteral("+ 15 min"), PanelHoras);
    b30 = CrearBotonRapido(QStringLiteral("+ 30 min"), PanelHoras);
    SpinEdit1 = new QSpinBox(PanelHoras);
    SpinEdit1->setRange(0, 59);
    SpinEdit1->setSingleStep(10);
    SpinEdit1->setValue(0);
    Mensaje = new QLabel(PanelHoras);
    Mensaje->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Edit1 = new QLineEdit(PanelHoras);
    Mensaje->setBuddy(Edit1);
    auto *rapidos = new QHBoxLayout;
    rapidos->addWidget(b5);
    rapidos->addWidget(b15);
    rapidos->addWidget(b30);
    rapidos->addStretch();
    rapidos->addWidget(SpinEdit1);
    auto *hora = new QHBoxLayout;
    hora->addWidget(Mensaje, 1);
    hora->addWidget(Edit1);
    Edit1->setFixedWidth(Edit1->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00")) + 16);
    auto *horas = new QVBoxLayout(PanelHoras);
    horas->setContentsMargins(4, 4, 4, 4);
    horas->addLayout(rapidos);
    horas->addLayout(hora);

    PanelExpresion = new Panel(this);
    PanelExpresion->setObjectName(QStringLiteral("PanelExpresion"));
    Label1 = new QLabel(QStringLiteral("Expresión:"), PanelExpresion);
    Mensaje0 = new QLabel(QStringLiteral("                P.ej.      5*(4+23)/(3+4)   "), PanelExpresion);
    Edit2 = new QLineEdit(PanelExpresion);
    Label1->setBuddy(Edit2);
    auto *expresion = new QGridLayout(PanelExpresion);
    expresion->setContentsMargins(4, 4, 4, 4);
    expresion->addWidget(Label1, 0, 0);
    expresion->addWidget(Mensaje0, 0, 1);
    expresion->addWidget(Edit2, 1, 0, 1, 2);

    PanelEdicion = new Panel(this);
    PanelEdicion->setObjectName(QStringLiteral("PanelEdicion"));
    PanelEdicion->HelpContext = 12100;
    Label2 = new QLabel(QStringLiteral("Introduza el nuevo valor"), PanelEdicion);
    Edit3 = new QLineEdit(PanelEdicion);
    Label2->setBuddy(Edit3);
    auto *edicion = new QVBoxLayout(PanelEdicion);
    edicion->setContentsMargins(4, 4, 4, 4);
    edicion->addWidget(Label2);
    edicion->addWidget(Edit3);

    BotOK = new QPushButton(QStringLiteral("OK"), this);
    botAnular = new QPushButton(QStringLiteral("Anular"), this);

    // The three panels share one place; FormShow leaves at most one visible.
    auto *paneles = new QGridLayout;
    paneles->setContentsMargins(0, 0, 0, 0);
    paneles->addWidget(PanelHoras, 0, 0);
    paneles->addWidget(PanelExpresion, 0, 0);
    paneles->addWidget(PanelEdicion, 0, 0);
    auto *botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(BotOK);
    botones->addWidget(botAnular);
    auto *todo = new QVBoxLayout(this);
    todo->setContentsMargins(6, 6, 6, 6);
    todo->setSpacing(4);
    todo->addLayout(paneles, 1);
    todo->addLayout(botones);

    setTabOrder(Edit1, SpinEdit1);
    setTabOrder(SpinEdit1, b5);
    setTabOrder(b5, b15);
    setTabOrder(b15, b30);
    setTabOrder(b30, Edit2);
    setTabOrder(Edit2, Edit3);
    setTabOrder(Edit3, BotOK);
    setTabOrder(BotOK, botAnular);

    Edit1->installEventFilter(this);
    connect(BotOK, &QPushButton::clicked, this, &TFormEntrada::BotOKClick);
    connect(botAnular, &QPushButton::clicked, this, &TFormEntrada::botAnularClick);
    connect(b5, &QToolButton::clicked, this, &TFormEntrada::b5Click);
    connect(b15, &QToolButton::clicked, this, &TFormEntrada::b15Click);
    connect(b30, &QToolButton::clicked, this, &TFormEntrada::b30Click);
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &TFormEntrada::SpinEdit1Change);
    connect(Edit1, &QLineEdit::textChanged, this, &TFormEntrada::Edit1Change);
    connect(Edit2, &QLineEdit::textChanged, this, &TFormEntrada::Edit2Change);
    connect(Edit3, &QLineEdit::textChanged, this, &TFormEntrada::Edit3Change);

    FormCreate();
}

void TFormEntrada::FormCreate()
{
    Modo.clear();
    Resultado.clear();
    PanelHoras->hide();
    PanelExpresion->hide();
    PanelEdicion->hide();
    BotOK->setDefault(true);
}

bool TFormEntrada::ModoHoras() const
{
    return Modo == QLatin1String("alarma") || Modo == QLatin1String("alarma2") || ModoCuentaAtras();
}

bool TFormEntrada::ModoCuentaAtras() const
{
    return Modo == QLatin1String("cuentaatras") || Modo == QLatin1String("cuentaatras2");
}

// Runs before the window appears, so the right panel is in place and sized
// when it does.
void TFormEntrada::FormShow()
{
    const bool horas = ModoHoras();
    const bool expresion = Modo == QLatin1String("expresion");
    const bool edicion = Modo == QLatin1String("modsum") || Modo == QLatin1String("modsum1");

    PanelHoras->setVisible(horas);
    if (horas)
        PanelHoras->HelpContext = AyudaHoras(Modo);
    PanelExpresion->setVisible(expresion);
    PanelEdicion->setVisible(edicion);

    if (horas)
        Edit1->setFocus();
    else if (expresion)
        Edit2->setFocus();
    else if (edicion)
        Edit3->setFocus();

    // The usual client area, grown where a long prompt or a large font needs it.
    layout()->activate();
    setFixedSize(QSize(277, 111).expandedTo(minimumSizeHint()).expandedTo(sizeHint()));
}

void TFormEntrada::FormClose()
{
    Edit1->clear();
}

void TFormEntrada::done(int r)
{
    FormClose();
    QDialog::done(r);
}

void TFormEntrada::setVisible(bool visible)
{
    if (visible && !isVisible())
        FormShow();
    QDialog::setVisible(visible);
}

void TFormEntrada::BotOKClick()
{
    if (Modo == QLatin1String("expresion")) {
        Resultado = Edit2->text();
        accept();
        return;
    }
    if (Modo == QLatin1String("modsum") || Modo == QLatin1String("modsum1")) {
        Resultado = Edit3->text();
        accept();
        return;
    }
    if (!ModoHoras()) {
        // No panel is shown, so there is nothing to answer.
        accept();
        return;
    }

    // A bare number of minutes for a countdown.
    if (ModoCuentaAtras() && Edit1->text().size() < 3)
        Edit1->setText(QStringLiteral("00:") + Edit1->text());

    const QString texto = Edit1->text();
    // After the alarm has gone off the answer is a delay that the caller reads
    // as minutes when it is that short; checking it as hours of the day would
    // refuse the 30, 40 and 50 the spin edit itself offers.
    const bool demora = Modo == QLatin1String("alarma2") && texto.size() < 3;
    double hora = 0;
    if (!Funcion::TextoAHora(demora ? QStringLiteral("00:") + texto : texto, hora)) {
        Edit1->clear();
        Edit1->setFocus();
        // Emptying a field that was already empty sends no change.
        Edit1Change();
        ui_.Error(kHoraIncorrecta);
        return;
    }
    Resultado = texto;
    accept();
}

void TFormEntrada::botAnularClick()
{
    Resultado.clear();
    reject();
}

void TFormEntrada::BotonRapido(int minutos)
{
    if (Modo == QLatin1String("alarma"))
        Resultado = reloj_().addSecs(minutos * 60).toString(QStringLiteral("hh:mm"));
    else
        Resultado = QString::number(minutos);
    accept();
}

void TFormEntrada::b5Click() { BotonRapido(5); }
void TFormEntrada::b15Click() { BotonRapido(15); }
void TFormEntrada::b30Click() { BotonRapido(30); }

void TFormEntrada::SpinEdit1Change()
{
    const int n = SpinEdit1->value();
    if (Modo == QLatin1String("alarma"))
        Edit1->setText(reloj_().addSecs(n * 60).toString(QStringLiteral("hh:mm")));
    else
        Edit1->setText(QString::number(n));
}

bool TFormEntrada::Edit1KeyPress(QChar &Key)
{
    // The comma is what the keypad's decimal key types with Spanish settings,
    // and no time has one.
    if (Key == u'.' || Key == u',') {
        Key = u':';
        return true;
    }
    return false;
}

bool TFormEntrada::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == Edit1 && evento->type() == QEvent::KeyPress) {
        const auto *tecla = static_cast<QKeyEvent *>(evento);
        if (tecla->text().size() == 1) {
            QChar k = tecla->text().front();
            if (Edit1KeyPress(k)) {
                Edit1->insert(QString(k));
                return true;
            }
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

// Enter accepts what has been typed, and cancels when there is nothing.
void TFormEntrada::BotonPorDefecto(const QLineEdit *campo)
{
    if (campo->text().isEmpty())
        botAnular->setDefault(true);
    else
        BotOK->setDefault(true);
}

void TFormEntrada::Edit1Change() { BotonPorDefecto(Edit1); }
void TFormEntrada::Edit2Change() { BotonPorDefecto(Edit2); }
void TFormEntrada::Edit3Change() { BotonPorDefecto(Edit3); }
