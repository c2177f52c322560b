// Window life: creation, show, closing, the window options and the tray.

#include "Calculadora.h"
#include "EtiquetaPulsable.h"
#include "FechaHora.h"
#include "Interfaz.h"
#include "MDatos.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QWhatsThis>
#include <functional>

using namespace Funcion;

namespace {
const QString VersionPrograma = QStringLiteral("1.20");
const QString FechaVersion = QStringLiteral("17/08/2020");

// Each mode label sits on a small framed panel; a click that lands on the
// frame rather than on the label must pick the mode all the same.
class ClicEnPanel : public QObject {
public:
    ClicEnPanel(QObject *parent, std::function<void()> accion) : QObject(parent), accion_(std::move(accion)) {}

protected:
    bool eventFilter(QObject *obj, QEvent *ev) override
    {
        if (ev->type() == QEvent::MouseButtonPress
            && static_cast<QMouseEvent *>(ev)->button() == Qt::LeftButton)
            accion_();
        // Passed on, so that the window still takes the focus back to E.
        return QObject::eventFilter(obj, ev);
    }

private:
    std::function<void()> accion_;
};
} // namespace

TFormCalculadora::TFormCalculadora(TMD &md, Interfaz &ui, QWidget *parent)
    : QWidget(parent), md_(md), ui_(ui)
{
    CrearControles();
    Conectar();
}

TFormCalculadora::~TFormCalculadora()
{
    qApp->removeEventFilter(this);
}

TFormCalculadora *TFormCalculadora::Crear(TMD &md, Interfaz &ui, QWidget *parent)
{
    auto *w = new TFormCalculadora(md, ui, parent);
    w->FormCreate();
    return w;
}

void TFormCalculadora::Conectar()
{
    qApp->installEventFilter(this);

    EtiquetaPulsable *modos[] = {LModo0, LModo1, LModo2, LModo3, LModo4};
    QFrame *panelesModo[] = {Panel1, Panel2, Panel3, Panel4, Panel5};
    for (int i = 0; i < 5; ++i) {
        connect(modos[i], &EtiquetaPulsable::pulsada, this, [this, i] { TTipo->setValue(i); });
        panelesModo[i]->installEventFilter(new ClicEnPanel(panelesModo[i], [this, i] { TTipo->setValue(i); }));
    }
    connect(TTipo, &QSlider::valueChanged, this, [this] { TTipoChange(); });

    for (QToolButton *b : {B0, B1, B2, B3, B4, B5, B6, B7, B8, B9})
        connect(b, &QToolButton::clicked, this, [this, b] { B1Click(b); });
    const std::pair<QToolButton *, void (TFormCalculadora::*)()> botones[] = {
        {BMAS, &TFormCalculadora::BMASClick},         {BMENOS, &TFormCalculadora::BMENOSClick},
        {BPOR, &TFormCalculadora::BPORClick},         {BDIV, &TFormCalculadora::BDIVClick},
        {BIGUAL, &TFormCalculadora::BIGUALClick},     {BPORCENT, &TFormCalculadora::BPORCENTClick},
        {BTOTAL, &TFormCalculadora::BTOTALClick},     {BSS, &TFormCalculadora::BSSClick},
        {BCNT, &TFormCalculadora::BCNTClick},         {BSIGNO, &TFormCalculadora::BSIGNOClick},
        {BBorrarTodo, &TFormCalculadora::BBorrarTodoClick}, {BBorrarTira, &TFormCalculadora::BBorrarTiraClick},
    };
    for (const auto &[boton, manejador] : botones)
        connect(boton, &QToolButton::clicked, this, [this, m = manejador] { (this->*m)(); });
    connect(BCOMA, &QToolButton::clicked, this, [this] { BCOMAClick(); });
    connect(BBorrarUltimo, &QToolButton::clicked, this, [this] { BBorrarUltimoClick(); });
    connect(BBorrarUno, &QToolButton::clicked, this, [this] { BBorrarUnoClick(); });
    connect(TDecimales, &QSlider::valueChanged, this, [this] { TDecimalesChange(); });
    connect(BMASDEC, &QToolButton::clicked, this, [this] { BMASDECClick(); });
    connect(BMENOSDEC, &QToolButton::clicked, this, [this] { BMENOSDECClick(); });
    connect(FL, &EtiquetaPulsable::pulsada, this, [this] { FLClick(); });
    connect(FijaDec, &QCheckBox::clicked, this, [this] { FijaDecClick(); });
    connect(RB0, &QRadioButton::clicked, this, [this] { RB0Click(); });
    connect(RB5, &QRadioButton::clicked, this, [this] { RB5Click(); });
    connect(RB9, &QRadioButton::clicked, this, [this] { RB9Click(); });
    connect(CKPtas, &QCheckBox::clicked, this, [this] { CKPtasClick(); });
    connect(EditPtas, &QLineEdit::textChanged, this, [this] { EditPtasChange(); });
    connect(PorcenAcum, &QCheckBox::clicked, this, [this] { FormClick(); });
    connect(E, &QLineEdit::textChanged, this, [this] { EKeyPress(); });
    connect(TextoPantalla1, &EtiquetaPulsable::pulsada, this, [this] { TextoPantalla1Click(); });
    connect(TextoPantalla1, &EtiquetaPulsable::movida, this, [this] { TextoPantalla1Click(); });
    ConectarMemorias();
    ConectarFechas();

    connect(BExpresion, &QToolButton::clicked, this, [this] { BExpresionClick(); });
    connect(BotCopPorta, &QToolButton::clicked, this, [this] { BotCopPortaClick(); });
    connect(BotPegPorta, &QToolButton::clicked, this, [this] { BotPegPortaClick(); });
    connect(BotCopPPNum, &QToolButton::clicked, this, [this] { BotCopPPNumClick(); });
    connect(BotCopPPNumLetras, &QToolButton::clicked, this, [this] { BotCopPPNumLetrasClick(); });
    connect(BotCopPPPesetas, &QToolButton::clicked, this, [this] { BotCopPPPesetasClick(); });
    connect(BotGuardar, &QPushButton::clicked, this, [this] { BotGuardarClick(); });
    connect(BotGuardarPredeterminados, &QPushButton::clicked, this, [this] { BotGuardarPredeterminadosClick(); });
    connect(BotCalendario, &QToolButton::clicked, this, [this] { BotCalendarioClick(); });
    connect(BotNuevo, &QToolButton::clicked, this, [this] { BotNuevoClick(); });
    connect(BotReconstruir, &QToolButton::clicked, this, [this] { BotReconstruirClick(); });
    connect(BotCalendar2, &QToolButton::clicked, this, [this] { BotCalendar2Click(); });
    connect(BotSVis, &QToolButton::clicked, this, [this] { BotSVisClick(); });
    connect(VerBarraTareas, &QCheckBox::clicked, this, [this] { VerBarraTareasClick(); });
    connect(VerIcono, &QCheckBox::clicked, this, [this] { VerIconoClick(); });
    connect(InicioAutomatico, &QCheckBox::clicked, this, [this] { InicioAutomaticoClick(); });
    connect(BotAcerca, &QToolButton::clicked, this, [this] { BotAcercaClick(); });
    connect(BotGuiaRef, &QToolButton::clicked, this, [this] { BotGuiaRefClick(); });
    connect(btnHelpTOC, &QToolButton::clicked, this, [this] { btnHelpTOCClick(); });
    connect(btnWhatsThis, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });

    connect(CHTrayIcon1, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::DoubleClick || r == QSystemTrayIcon::Trigger)
            RestaurarAplicacion();
    });
    connect(MenuTitulo, &QAction::triggered, this, [this] { RestaurarAplicacion(); });
    connect(Restaurar1, &QAction::triggered, this, [this] { RestaurarAplicacion(); });
    connect(Acercade1, &QAction::triggered, this, [this] { BotAcercaClick(); });
    connect(uno1, &QAction::triggered, this, [this] { uno1Click(); });
    connect(Minimizar1, &QAction::triggered, this, [this] { Minimizar1Click(); });
    QAction *modosMenu[] = {Calculadora1, Fechas1, Tiempo1, Varios, Configuracin1};
    for (int i = 0; i < 5; ++i)
        connect(modosMenu[i], &QAction::triggered, this, [this, i] { IrAModo(i); });
}

void TFormCalculadora::FormCreate()
{
    MenuTitulo->setText(QStringLiteral("TALLYRA  Ver.: ") + VersionPrograma);
    LeerVariables();
    VerBarraTareasClick();
    VerIconoClick();
    setWindowTitle(FormatearFecha(Hoy(), QStringLiteral("   dddd\",\"  d \"de\" mmmm \"de\" yyyy"))
                   + QStringLiteral("       Ver.: ") + VersionPrograma);
    EntradaCalc = QStringLiteral("0");
    EntradaFecha.clear();
    Sumandos = 0;
    Mascara = QStringLiteral("#,##0.00");
    Sumando = 0;
    Suma = 0;
    SeleccionSemana = 0;
    {
        const QSignalBlocker bloqueo(Fecha);
        Fecha->setDate(QDate::currentDate());
    }
    CronoEnMarcha = false;
    AlarmaActiva = false;
    CuentaAtrasActiva = false;
    ContadorMarcas = 0;
    if (!md_.ModuloCreado) {
        btnHelpTOC->hide();
        btnWhatsThis->hide();
        BotGuiaRef->hide();
    }
}

void TFormCalculadora::FormShow()
{
    PanelConfiguracion->setMinimumWidth(0);
    {
        const QSignalBlocker bloqueo(TDecimales);
        TDecimales->setValue(md_.Campos.NumDecimales);
    }
    TDecimalesChange();
    if (TTipo->value() == ModoInicial)
        TTipoChange();
    else
        TTipo->setValue(ModoInicial);
}

void TFormCalculadora::showEvent(QShowEvent *ev)
{
    QWidget::showEvent(ev);
    if (!mostrado_ && !ev->spontaneous()) {
        mostrado_ = true;
        FormShow();
    }
}

bool TFormCalculadora::FormClose()
{
    SuperioresBajados guarda(ui_);
    QStringList enMarcha;
    if (CronoEnMarcha)
        enMarcha << QStringLiteral("el cronómetro");
    if (AlarmaActiva)
        enMarcha << QStringLiteral("la alarma ");
    if (CuentaAtrasActiva)
        enMarcha << QStringLiteral("la cuenta atrás");
    if (!enMarcha.isEmpty()
        && !ui_.Confirmar(QStringLiteral("Tiene ") + enMarcha.join(QStringLiteral(", "))
                          + QStringLiteral(" en marcha. Confime que quiere cerrar todo?")))
        return false;
    Timer1->stop();
    Timer2->stop();
    GuardarVariables();
    return true;
}

void TFormCalculadora::closeEvent(QCloseEvent *ev)
{
    if (cerrando_) {
        ev->accept();
        return;
    }
    if (!FormClose()) {
        ev->ignore();
        return;
    }
    cerrando_ = true;
    CHTrayIcon1->hide();
    ev->accept();
}

void TFormCalculadora::mousePressEvent(QMouseEvent *ev)
{
    QWidget::mousePressEvent(ev);
    FormClick();
}

void TFormCalculadora::FormClick() { ReponerFoco(); }

void TFormCalculadora::ReponerFoco()
{
    if (E && isVisible())
        E->setFocus(Qt::OtherFocusReason);
}

void TFormCalculadora::EKeyPress()
{
    if (!E->text().isEmpty()) {
        const QSignalBlocker bloqueo(E);
        E->clear();
    }
}

void TFormCalculadora::TextoPantalla1Click()
{
    KeyPreview = true;
    ReponerFoco();
}

// ---- window options ----

void TFormCalculadora::BotSVisClick()
{
    if (windowFlags() & Qt::WindowStaysOnTopHint)
        return;
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    show();
    ui_.Informacion(QStringLiteral("Se ha activado la calculadora en primer plano"));
}

bool TFormCalculadora::TrayDisponible() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

void TFormCalculadora::AplicarBarraTareas()
{
    // Without a tray the task bar entry is the only way back to the window.
    const bool visible = VerBarraTareas->isChecked() || !TrayDisponible();
    if (visible == barraTareasVisible_)
        return;
    barraTareasVisible_ = visible;
    const bool estabaVisible = isVisible();
    setWindowFlag(Qt::Tool, !visible);
    if (estabaVisible)
        show();
}

void TFormCalculadora::VerBarraTareasClick()
{
    if (!VerBarraTareas->isChecked() && !VerIcono->isChecked()) {
        VerBarraTareas->setChecked(true);
        AplicarBarraTareas();
        ui_.Informacion(QStringLiteral("No se puede desactivar barra de tareas e icono simultáneamente"));
        return;
    }
    AplicarBarraTareas();
}

void TFormCalculadora::VerIconoClick()
{
    if (!VerBarraTareas->isChecked() && !VerIcono->isChecked()) {
        VerIcono->setChecked(true);
        if (TrayDisponible())
            CHTrayIcon1->show();
        ui_.Informacion(QStringLiteral("No se puede desactivar barra de tareas e icono simultáneamente"));
        return;
    }
    CHTrayIcon1->setVisible(VerIcono->isChecked() && TrayDisponible());
    AplicarBarraTareas();
}

void TFormCalculadora::InicioAutomaticoClick()
{
    const bool activo = InicioAutomatico->isChecked();
    minimizado->setEnabled(activo);
    minimizado->setChecked(activo);
}

void TFormCalculadora::RestaurarAplicacion()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void TFormCalculadora::Minimizar1Click() { showMinimized(); }

void TFormCalculadora::uno1Click()
{
    if (!close() && !isVisible())
        qApp->quit();
}

void TFormCalculadora::IrAModo(int modo)
{
    RestaurarAplicacion();
    TTipo->setValue(modo);
}

void TFormCalculadora::BotAcercaClick()
{
    SuperioresBajados guarda(ui_);
    ui_.Informacion(QStringLiteral("TALLYRA\nVersion: ") + VersionPrograma + QStringLiteral("\nActualización :")
                    + FechaVersion);
}

void TFormCalculadora::BotGuiaRefClick()
{
    SuperioresBajados guarda(ui_);
    ui_.Informacion(QStringLiteral(
        "Teclas abreviadas\n\n"
        "Esc  Borrar todo        Supr  Borrar último     Retroceso  Borrar\n"
        "T  Total    S  Subtotal    N  Nº sumandos    &  Cambiar signo\n"
        "Intro  = o Total    G  Guardar en memoria    R  Recuperar memoria\n"
        "Flecha dcha.  00    F6..F10  Memorias\n"
        "Ctrl+Flechas  Modo    Mayús+Flechas  Memoria    Alt+Flechas  Decimales\n"
        "F12 o Alt+F4  Cerrar"));
    update();
}

void TFormCalculadora::btnHelpTOCClick()
{
    SuperioresBajados guarda(ui_);
    ui_.Informacion(QStringLiteral("TALLYRA  Ver.: ") + VersionPrograma);
}

// ---- settings into and out of the window ----

void TFormCalculadora::LeerVariables()
{
    const Configuracion &c = md_.Campos;
    ModoInicial = qBound(0, c.ModoIni, 4);
    Memorias = c.Memorias;
    MemoriasFecha = c.MemoriasFecha;
    MaxDigitos = c.MaxDigitos;
    {
        const QSignalBlocker bloqueo(TDecimales);
        TDecimales->setMaximum(qMax(0, c.MaxDecimales));
    }
    ModoRedondeo = c.MRedondeo;
    if (c.MRedondeo == QLatin1String("0"))
        RB0->setChecked(true);
    else if (c.MRedondeo == QLatin1String("9"))
        RB9->setChecked(true);
    else
        RB5->setChecked(true);
    EditProv->setText(c.Provincia);
    EditProv2->setText(c.Provincia2);
    Habiles->setChecked(c.DiasHab);
    SabadosNo->setChecked(c.Sabadosno);
    AmbosInc->setChecked(c.AmbosInc);
    DMA->setChecked(c.DMA);
    GuardarSalir->setChecked(c.GuardarSalir);
    AlarmaSonora->setChecked(c.AlarmaSonora);
    EditCalendar->setText(c.Calendario);
    LDirCalendar->setText(c.DirCalendar);
    MascaraFecha->setChecked(c.MascaraFecha);
    Avisos = c.Avisos;
    VerBarraTareas->setChecked(c.VerBarraTareas);
    PorcenAcum->setChecked(c.PorcenAcum);
    HabAnota->setChecked(c.HabAnota);
    ImpNotas->setChecked(c.ImpNotas);
    BotPPP->setChecked(c.BotPPP);
    FijaDec->setChecked(c.FijaDec);
    AlarmaDia->setChecked(c.AlarmaDia);
    InicioAutomatico->setChecked(c.InicioAutomatico);
    minimizado->setEnabled(c.InicioAutomatico);
    minimizado->setChecked(c.Minimizado);
    VerIcono->setChecked(c.VerIcono);
    VecesAlarma->setValue(c.VecesAlarma);
    NSonido->setValue(c.NSonido);
    HoraAlarma->setText(c.HoraAlarma);
    Version = VersionPrograma;
    md_.Campos.Version = VersionPrograma;
    move(c.Left, c.Top);
}

void TFormCalculadora::GuardarVariables()
{
    if (TTipo->value() == TTipo->maximum())
        TTipo->setValue(0);
    Configuracion &c = md_.Campos;
    c.ModoIni = TTipo->value();
    c.Memorias = Memorias;
    c.MemoriasFecha = MemoriasFecha;
    c.NumDecimales = TDecimales->value();
    c.Avisos = Avisos;
    c.Provincia = EditProv->text();
    c.Provincia2 = EditProv2->text();
    c.DiasHab = Habiles->isChecked();
    c.Sabadosno = SabadosNo->isChecked();
    c.AmbosInc = AmbosInc->isChecked();
    c.DMA = DMA->isChecked();
    c.GuardarSalir = GuardarSalir->isChecked();
    c.AlarmaSonora = AlarmaSonora->isChecked();
    c.Calendario = EditCalendar->text();
    c.DirCalendar = LDirCalendar->text();
    c.MascaraFecha = MascaraFecha->isChecked();
    c.VerBarraTareas = VerBarraTareas->isChecked();
    c.PorcenAcum = PorcenAcum->isChecked();
    c.HabAnota = HabAnota->isChecked();
    c.ImpNotas = ImpNotas->isChecked();
    c.BotPPP = BotPPP->isChecked();
    c.FijaDec = FijaDec->isChecked();
    c.AlarmaDia = AlarmaDia->isChecked();
    c.InicioAutomatico = InicioAutomatico->isChecked();
    c.Minimizado = minimizado->isChecked();
    c.VerIcono = VerIcono->isChecked();
    c.VecesAlarma = VecesAlarma->value();
    c.NSonido = NSonido->value();
    c.HoraAlarma = HoraAlarma->text();
    c.MRedondeo = ModoRedondeo;
    c.Left = x();
    c.Top = y();
}

// ---- hooks for features that come later ----

void TFormCalculadora::HabAnotaClick() { PanelAnota->setVisible(false); }
