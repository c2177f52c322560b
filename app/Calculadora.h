#pragma once
// The main window: mode selector, display, keypad, the three paper tapes and
// the panels of every mode. It owns all calculator state for the life of the
// process. The handlers keep the names of the controls they serve.

#include <QCheckBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <QKeyEvent>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QButtonGroup;
class QProgressBar;
class QMenu;
class QAction;
class QGroupBox;
class QFrame;
class TMD;
class Interfaz;
class EtiquetaPulsable;

class TFormCalculadora : public QWidget {
    Q_OBJECT
public:
    // Builds the window and runs its creation handler.
    static TFormCalculadora *Crear(TMD &md, Interfaz &ui, QWidget *parent = nullptr);
    ~TFormCalculadora() override;

    // ---- window state shared by the modes ----
    int ModoActual = 0;
    int ModoInicial = 0;
    QString EntradaCalc = QStringLiteral("0");
    QString EntradaFecha;
    QString EntradaHora;
    bool NuevaEntrada = false;
    QString Mascara = QStringLiteral("#,##0.00");
    QString ModoRedondeo = QStringLiteral("5");
    int MaxDigitos = 14;
    QString UltimaOperacion;
    double Sumando = 0;
    double Suma = 0;
    int Sumandos = 0;
    double Multiplicando = 0;
    double Multiplicador = 0;
    double Dividendo = 0;
    double Divisor = 0;
    double SumaDias = 0;
    double SumandoDias = 0;
    int SumandosFecha = 0;
    QString PrimeraFecha;
    QString SegundaFecha;
    double TotalHoras = 0;
    double SumandoHoras = 0;
    int SumandosHora = 0;
    double HoraInicio = 0;
    double HoraFin = 0;
    int DigitosEntrada = 0;
    int DecimalesEntrada = 0;
    int SeleccionSemana = 0;
    // Weekday counting: selected labels, what "Hábiles" was before the
    // selection switched it on (0 nothing, 1 off, 2 on), counts by weekday
    // number (1 Sunday .. 7 Saturday).
    int DiasSeleccionados = 0;
    int HabilesAntes = 0;
    std::array<int, 8> ContadorDias{};
    // Midnight is a valid time, so a start or end is kept apart from its value.
    bool HoraInicioFijada = false;
    bool HoraFinFijada = false;
    bool Avisos = true;
    QString Version;

    // ---- timer flags, read when closing ----
    bool CronoEnMarcha = false;
    bool AlarmaActiva = false;
    bool CuentaAtrasActiva = false;
    int ContadorMarcas = 0;

    // ---- controls ----
    QWidget *PanelModo = nullptr;
    QFrame *Panel1 = nullptr, *Panel2 = nullptr, *Panel3 = nullptr, *Panel4 = nullptr, *Panel5 = nullptr;
    EtiquetaPulsable *LModo0 = nullptr, *LModo1 = nullptr, *LModo2 = nullptr, *LModo3 = nullptr, *LModo4 = nullptr;
    QSlider *TTipo = nullptr;

    QFrame *Panel11 = nullptr;
    QLabel *TextoPantalla = nullptr;
    EtiquetaPulsable *TextoPantalla1 = nullptr;
    QLabel *TextoPantalla2 = nullptr;
    QDateEdit *Fecha = nullptr;
    QLineEdit *E = nullptr;

    QToolButton *B0 = nullptr, *B1 = nullptr, *B2 = nullptr, *B3 = nullptr, *B4 = nullptr;
    QToolButton *B5 = nullptr, *B6 = nullptr, *B7 = nullptr, *B8 = nullptr, *B9 = nullptr;
    QToolButton *BCOMA = nullptr, *BMAS = nullptr, *BMENOS = nullptr, *BPOR = nullptr, *BDIV = nullptr;
    QToolButton *BIGUAL = nullptr, *BPORCENT = nullptr, *BTOTAL = nullptr, *BSS = nullptr, *BCNT = nullptr;
    QToolButton *BSIGNO = nullptr, *BBorrarTodo = nullptr, *BBorrarUltimo = nullptr, *BBorrarUno = nullptr;
    QToolButton *Bkk = nullptr;
    QButtonGroup *GrupoTeclado = nullptr;

    QLabel *Label7 = nullptr, *LSumandos = nullptr, *Label8 = nullptr, *LRe1 = nullptr;
    QLabel *LDigitos = nullptr, *LDecimales = nullptr, *LnumCar = nullptr;
    QListWidget *Papel = nullptr, *Papel1 = nullptr, *Papel2 = nullptr;
    QLabel *LPapel = nullptr, *LPapel1 = nullptr, *LPapel2 = nullptr;

    // calculator panels
    QWidget *PanelDecimales = nullptr;
    QSlider *TDecimales = nullptr;
    QToolButton *BMENOSDEC = nullptr, *BMASDEC = nullptr;
    EtiquetaPulsable *FL = nullptr;
    QCheckBox *FijaDec = nullptr;
    QRadioButton *RB0 = nullptr, *RB5 = nullptr, *RB9 = nullptr;
    QWidget *PanelPtas = nullptr;
    QCheckBox *CKPtas = nullptr;
    QLineEdit *EditPtas = nullptr;
    QLabel *LPtas = nullptr;
    QCheckBox *PorcenAcum = nullptr;
    QWidget *PanelMemorias = nullptr;
    QSlider *TMemorias = nullptr;
    QToolButton *BGM = nullptr, *RM = nullptr, *SM = nullptr, *MM = nullptr, *CM = nullptr, *CTM = nullptr;
    QToolButton *BMENOSMEM = nullptr, *BMASMEM = nullptr;
    EtiquetaPulsable *LM1 = nullptr, *LM2 = nullptr, *LM3 = nullptr, *LM4 = nullptr, *LM5 = nullptr;
    QLabel *LMemoria = nullptr, *Label6 = nullptr;

    // date panels
    QGroupBox *GroupDias = nullptr;
    QCheckBox *Habiles = nullptr, *SabadosNo = nullptr, *AmbosInc = nullptr, *DMA = nullptr;
    QWidget *Panel6 = nullptr;
    EtiquetaPulsable *L = nullptr, *M = nullptr, *X = nullptr, *J = nullptr, *V = nullptr, *S = nullptr, *D = nullptr;
    QToolButton *BotLimDias = nullptr, *BotCalendar = nullptr;
    QWidget *PanelCoef = nullptr;
    QCheckBox *Coef = nullptr, *Mult15 = nullptr;
    QLineEdit *EditCoef = nullptr;
    QProgressBar *Gauge1 = nullptr;
    QLabel *LNumCar1 = nullptr, *LNumCar2 = nullptr;

    // other modes
    QWidget *PanelFTiempo = nullptr;
    QToolButton *BotLap = nullptr, *BotMarca = nullptr, *BotStop = nullptr;
    QToolButton *BotAlarmaON = nullptr, *BotAlarmaOFF = nullptr;
    QToolButton *BotCuentaAtrasON = nullptr, *BotCuentaAtrasOFF = nullptr;
    QWidget *PanelDigitos = nullptr;
    QLineEdit *EditNumero = nullptr, *EditPor = nullptr, *EditResultado = nullptr;
    QLineEdit *EPesetas = nullptr, *EEuros = nullptr;
    QWidget *PanelConfiguracion = nullptr;
    QCheckBox *VerBarraTareas = nullptr, *VerIcono = nullptr, *InicioAutomatico = nullptr, *minimizado = nullptr;
    QCheckBox *GuardarSalir = nullptr, *BotPPP = nullptr, *HabAnota = nullptr, *ImpNotas = nullptr;
    QCheckBox *MascaraFecha = nullptr, *AlarmaSonora = nullptr, *AlarmaDia = nullptr;
    QLineEdit *EditProv = nullptr, *EditProv2 = nullptr, *EditCalendar = nullptr, *HoraAlarma = nullptr;
    QLabel *LDirCalendar = nullptr, *LSinCalendario = nullptr;
    QLabel *Label16 = nullptr, *Label17 = nullptr, *Label2 = nullptr;
    QToolButton *BotCalendar2 = nullptr, *BotCalendario = nullptr, *BotNuevo = nullptr, *BotReconstruir = nullptr;
    QPushButton *BotGuardar = nullptr, *BotGuardarPredeterminados = nullptr;
    QSpinBox *VecesAlarma = nullptr, *NSonido = nullptr;
    QWidget *PanelAnota = nullptr;

    // tool buttons
    QToolButton *BBorrarTira = nullptr, *BotImprimir = nullptr, *BotCopPorta = nullptr, *BotPegPorta = nullptr;
    QToolButton *BotGuardarPP = nullptr, *BotAbrirPP = nullptr, *BExpresion = nullptr;
    QToolButton *BotCopPPNum = nullptr, *BotCopPPNumLetras = nullptr, *BotCopPPPesetas = nullptr;
    QToolButton *BotAcerca = nullptr, *btnHelpTOC = nullptr, *btnWhatsThis = nullptr, *BotGuiaRef = nullptr;
    QToolButton *BotSVis = nullptr;

    // non-visual
    QSystemTrayIcon *CHTrayIcon1 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QAction *MenuTitulo = nullptr, *Acercade1 = nullptr, *uno1 = nullptr, *Minimizar1 = nullptr;
    QAction *Restaurar1 = nullptr, *PonerCronometro = nullptr, *PonerAlarma = nullptr, *PonerCuentaAtras = nullptr;
    QAction *Calculadora1 = nullptr, *Fechas1 = nullptr, *Tiempo1 = nullptr, *Varios = nullptr, *Configuracin1 = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    int HelpContext = 100;
    bool KeyPreview = true;

    // ---- shell (window and modes) ----
    void FormCreate();
    void FormShow();
    // The closing sequence; false when the user keeps the window open.
    bool FormClose();
    void TTipoChange();
    void BotonesCalculadora();
    void BotonesFechas();
    void BotonesTiempo();
    void BotonesDigitos();
    void BotonesConfiguracion();
    void BotSVisClick();
    void VerBarraTareasClick();
    void VerIconoClick();
    void InicioAutomaticoClick();
    void RestaurarAplicacion();
    void Minimizar1Click();
    void uno1Click();
    void IrAModo(int modo);
    void BotAcercaClick();
    void BotGuiaRefClick();
    void btnHelpTOCClick();
    void FormClick();
    void EKeyPress();
    void TextoPantalla1Click();
    bool TrayDisponible() const;
    bool BarraTareasVisible() const { return barraTareasVisible_; }

    // ---- number entry and display ----
    void VerPantalla(QString &t);
    void AnadirCaracter(const QString &c);
    void ContarDigDec(const QString &t);
    void B1Click(QToolButton *sender);
    void BCOMAClick();
    void BBorrarUltimoClick();
    void BBorrarUnoClick();
    void TDecimalesChange();
    void BMASDECClick();
    void BMENOSDECClick();
    void FLClick();
    void FijaDecClick();
    void RB0Click();
    void RB5Click();
    void RB9Click();
    void CKPtasClick();
    void EditPtasChange();
    // Value of the calculator display as the operations read it.
    double ValorPantalla() const;
    bool Flotante() const;
    int Decimales() const;
    QToolButton *BotonDigito(QChar digito) const;

    // ---- paper tapes ----
    void TiraPapel(QChar marca, double valor);
    void TiraPapel1(const QString &texto, QChar marca);
    void TiraPapel2(const QString &texto, QChar marca);
    void BBorrarTiraClick();
    void BBorrarTodoClick();

    // ---- calculator operations ----
    void BMASClick();
    void BMENOSClick();
    void BPORClick();
    void BDIVClick();
    void BIGUALClick();
    void BPORCENTClick();
    void BTOTALClick();
    void BSSClick();
    void BCNTClick();
    void BSIGNOClick();
    // round(x) with the chosen decimals and mode; x itself when floating.
    double Redondeo(double x) const;

    // ---- keyboard ----
    void FormKeyPress(QChar &c);
    void FormKeyDown(int tecla, Qt::KeyboardModifiers mods);
    void FormKeyUp();
    void EditPtasKeyPress(QChar &c);

    // ---- memory registers ----
    void BGMClick();
    void RMClick();
    void SMClick();
    void MMClick();
    void CMClick();
    void CTMClick();
    void BMASMEMClick();
    void BMENOSMEMClick();
    // i = 0..4 for LM1..LM5
    void LMClick(int i);
    void TMemoriasChange();

    // ---- date mode ----
    void AnadirCaracter1(const QString &c);
    void VerPantalla1();
    void CoefClick();
    void EditCoefEnter();
    void EditCoefExit();
    void EditCoefKeyPress(QChar &c);
    void EditCoefChange();

    // ---- day counting (dates are day serials) ----
    double CalcularDias(double primera, double segunda);
    double DiasHabiles(double desde, double hasta);
    void NumDiasSem(double desde, double hasta);
    double CalcularFecha(double fecha, double dias);
    double NumDiasHabiles(double fecha, double dias);
    void ImprimirDias();
    void HabilesClick();
    void SabadosNoClick();
    void AmbosIncClick();
    void DMAClick();
    void LClick(EtiquetaPulsable *etiqueta);
    void BotLimDiasClick();
    void MascaraFechaClick();
    void FechaChange();
    void FechaCloseUp();
    void BotCalendarClick();

    // ---- time mode ----
    void AnadirCaracter2(const QString &c);
    void VerPantalla2();

    // ---- formula ----
    void BExpresionClick();

    // ---- timers ----
    void BotGoClick();
    void BotLapClick();
    void BotMarcaClick();
    void BotStopClick();
    void BotAlarmaClick();
    void BotAlarmaONClick();
    void BotAlarmaOFFClick();
    void BotCuentaAtrasClick();
    void BotCuentaAtrasONClick();
    void BotCuentaAtrasOFFClick();

    // ---- clipboard ----
    void BotCopPortaClick();
    void BotPegPortaClick();
    void BotCopPPNumClick();
    void BotCopPPNumLetrasClick();
    void BotCopPPPesetasClick();
    // The clipboard lines the tape of the current mode gives.
    QStringList LineasParaCopiar() const;

    // ---- settings and calendars ----
    void LeerVariables();
    void GuardarVariables();
    void BotGuardarClick();
    void BotGuardarPredeterminadosClick();
    void BotCalendarioClick();
    void BotNuevoClick();
    void BotReconstruirClick();
    void BotCalendar2Click();
    std::array<double, 5> Memorias{};
    std::array<QString, 5> MemoriasFecha;

    // ---- hooks that later features fill ----
    void HabAnotaClick();

signals:
    void ModoCambiado(int modo);

protected:
    bool eventFilter(QObject *obj, QEvent *ev) override;
    void closeEvent(QCloseEvent *ev) override;
    void showEvent(QShowEvent *ev) override;
    void mousePressEvent(QMouseEvent *ev) override;

private:
    TFormCalculadora(TMD &md, Interfaz &ui, QWidget *parent);
    void CrearControles();
    QWidget *CrearModo();
    QWidget *CrearPantalla();
    QWidget *CrearTeclado();
    QWidget *CrearPanelesCalculadora();
    QWidget *CrearPanelesFechas();
    QWidget *CrearPanelMemorias(QWidget *padre);
    QWidget *CrearTiras();
    QWidget *CrearHerramientas();
    QWidget *CrearPanelTiempo();
    QWidget *CrearPanelDigitos();
    QWidget *CrearPanelConfiguracion();
    void CrearBandeja();
    void Conectar();
    void ConectarMemorias();
    void ConectarFechas();
    QToolButton *TeclaNueva(const QString &texto, const QString &nombre);
    void ColorearModos(int modo);
    void RangoMemorias(int primero);
    void MostrarDisplay(QLabel *visible);
    void MostrarTira(QListWidget *visible);
    void AjustarPtasVisibles(bool calculadora);
    void ReponerFoco();
    void ConTeclasApagadas(void (TFormCalculadora::*paso)());
    void PasoDigitos();
    void PasoConfiguracion();
    void AplicarBarraTareas();
    void RedibujarTrasDigito();
    void EscribirLineas(QListWidget *tira, QLabel *cuenta, const QStringList &lineas, const QString &resultado);
    void ResultadoEnPantalla(double r, bool conMascara);
    void Desbordamiento();
    void Sumar(QChar signo);
    double EmpezarCadena(QChar marca);
    void Pulsar(QToolButton *boton, void (TFormCalculadora::*manejador)());
    void TeclaCalculadora(QChar &c);
    void TeclaFechas(QChar &c);
    void TeclaTiempo(QChar &c);
    void TeclaDigito(QChar c);
    bool TratarTecla(QKeyEvent *k);
    // date mode branches of the shared keys
    void PorFecha();
    void FechaMasDias(double inicio);
    void SumarDias(QChar signo);
    void TotalFechas();
    void SubtotalFechas();
    void SignoFecha();
    void BorrarUnoFecha();
    void ErrorFecha();
    bool TratarEditCoef(QEvent *ev);
    // time mode branches of the shared keys
    void SumarHora();
    void DiferenciaHoras();
    void TotalHora();
    void SubtotalHora();
    void BorrarUnoHora();
    // Holidays of a period, one query; empty when the calendar has no rows.
    std::function<std::vector<int>(int, int)> ConsultaFestivos();
    // The same holidays counted per weekday (index 1 Sunday .. 7 Saturday)
    // by the calendar itself, one query whose answer does not grow with the period.
    std::function<std::array<int, 8>(int, int)> ConteoFestivos();

    TMD &md_;
    Interfaz &ui_;
    bool barraTareasVisible_ = true;
    bool mostrado_ = false;
    bool cerrando_ = false;
    bool enTecla_ = false;
    static constexpr int IntervaloBombeoMs = 15;
    QElapsedTimer ultimoBombeo_;
    bool desplazamientoPendiente_ = false;
    QList<std::shared_ptr<QKeyEvent>> teclasEnEspera_;
};
