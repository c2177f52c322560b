// Assembly of the main window's controls: widgets and layouts only.

#include "Calculadora.h"
#include "Controles.h"
#include "EtiquetaPulsable.h"

#include <QAction>
#include <QButtonGroup>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QStyle>
#include <QVBoxLayout>

using namespace Controles;

namespace {

QFont FuenteTira()
{
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    if (!QFontInfo(f).fixedPitch())
        f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPointSize(10);
    return f;
}

} // namespace

QToolButton *TFormCalculadora::TeclaNueva(const QString &texto, const QString &nombre)
{
    auto *b = new QToolButton(this);
    b->setText(texto);
    b->setObjectName(nombre);
    b->setCheckable(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setMinimumSize(38, 30);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    GrupoTeclado->addButton(b);
    return b;
}

void TFormCalculadora::CrearControles()
{
    setObjectName(QStringLiteral("FormCalculadora"));
    GrupoTeclado = new QButtonGroup(this);
    GrupoTeclado->setExclusive(true);

    auto *raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(4, 4, 4, 4);
    raiz->setSpacing(3);
    raiz->setSizeConstraint(QLayout::SetFixedSize); // a fixed single border, like the machine it imitates
    raiz->addWidget(CrearModo());

    auto *cuerpo = new QGridLayout;
    cuerpo->setSpacing(4);
    auto *izquierda = new QVBoxLayout;
    izquierda->setSpacing(3);
    izquierda->addWidget(CrearPantalla());
    izquierda->addWidget(CrearPanelesCalculadora());
    izquierda->addWidget(CrearTeclado(), 1);
    izquierda->addWidget(CrearPanelesFechas());
    izquierda->addWidget(CrearPanelTiempo());
    cuerpo->addLayout(izquierda, 0, 0);
    auto *derecha = new QVBoxLayout;
    derecha->setSpacing(2);
    derecha->addWidget(CrearTiras(), 1);
    derecha->addWidget(CrearHerramientas());
    cuerpo->addLayout(derecha, 0, 1);
    cuerpo->addWidget(CrearPanelDigitos(), 0, 0, 1, 2);
    cuerpo->addWidget(CrearPanelConfiguracion(), 0, 0, 1, 2);
    raiz->addLayout(cuerpo, 1);

    E = new QLineEdit(this);
    E->setObjectName(QStringLiteral("E"));
    E->setGeometry(0, 0, 0, 1);
    E->setFrame(false);

    LDigitos = Espejo(this, QStringLiteral("LDigitos"));
    LDecimales = Espejo(this, QStringLiteral("LDecimales"));
    LnumCar = Espejo(this, QStringLiteral("LnumCar"));
    LPapel = Espejo(this, QStringLiteral("LPapel"));
    LPapel1 = Espejo(this, QStringLiteral("LPapel1"));
    LPapel2 = Espejo(this, QStringLiteral("LPapel2"));
    LNumCar1 = Espejo(this, QStringLiteral("LNumCar1"));
    LNumCar2 = Espejo(this, QStringLiteral("LNumCar2"));

    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    Timer2 = new QTimer(this);
    Timer2->setInterval(10000);

    CrearBandeja();
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

QWidget *TFormCalculadora::CrearModo()
{
    PanelModo = new QWidget(this);
    auto *v = new QVBoxLayout(PanelModo);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    auto *fila = new QHBoxLayout;
    fila->setSpacing(2);
    const QStringList textos{QStringLiteral(" Calc "), QStringLiteral(" Fechas "), QStringLiteral(" Tiempo "),
                             QStringLiteral(" Varios"), QStringLiteral(" Config. ")};
    EtiquetaPulsable **etiquetas[] = {&LModo0, &LModo1, &LModo2, &LModo3, &LModo4};
    QFrame **paneles[] = {&Panel1, &Panel2, &Panel3, &Panel4, &Panel5};
    for (int i = 0; i < 5; ++i) {
        auto *panel = new QFrame(PanelModo);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setAutoFillBackground(true);
        auto *h = new QHBoxLayout(panel);
        h->setContentsMargins(1, 1, 1, 1);
        auto *l = new EtiquetaPulsable(textos[i], panel);
        l->setObjectName(QStringLiteral("LModo%1").arg(i));
        l->setAlignment(Qt::AlignCenter);
        l->setAutoFillBackground(true);
        h->addWidget(l);
        fila->addWidget(panel);
        *etiquetas[i] = l;
        *paneles[i] = panel;
    }
    v->addLayout(fila);
    TTipo = new QSlider(Qt::Horizontal, PanelModo);
    TTipo->setObjectName(QStringLiteral("TTipo"));
    TTipo->setRange(0, 4);
    TTipo->setPageStep(1);
    TTipo->setTickPosition(QSlider::TicksBelow);
    TTipo->setToolTip(QStringLiteral("Seleccione el modo de operación   (Ctrl-Flechas)"));
    TTipo->setFocusPolicy(Qt::NoFocus);
    v->addWidget(TTipo);
    return PanelModo;
}

QWidget *TFormCalculadora::CrearPantalla()
{
    Panel11 = new QFrame(this);
    Panel11->setObjectName(QStringLiteral("Panel11"));
    Panel11->setFrameShape(QFrame::Panel);
    Panel11->setFrameShadow(QFrame::Sunken);
    Panel11->setAutoFillBackground(true);
    QPalette pal = Panel11->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Light));
    Panel11->setPalette(pal);
    auto *h = new QHBoxLayout(Panel11);
    h->setContentsMargins(4, 2, 4, 2);

    QFont grande = font();
    grande.setPointSize(16);
    grande.setBold(true);
    TextoPantalla = new QLabel(QStringLiteral("0"), Panel11);
    TextoPantalla->setObjectName(QStringLiteral("TextoPantalla"));
    TextoPantalla1 = new EtiquetaPulsable(QString(), Panel11);
    TextoPantalla1->setObjectName(QStringLiteral("TextoPantalla1"));
    TextoPantalla2 = new QLabel(QString(), Panel11);
    TextoPantalla2->setObjectName(QStringLiteral("TextoPantalla2"));
    for (QLabel *l : {TextoPantalla, static_cast<QLabel *>(TextoPantalla1), TextoPantalla2}) {
        l->setFont(grande);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, QColor(0, 0, 128));
        l->setPalette(p);
        l->setMinimumHeight(34);
        h->addWidget(l, 1);
    }
    Fecha = new QDateEdit(Panel11);
    Fecha->setObjectName(QStringLiteral("Fecha"));
    Fecha->setCalendarPopup(true);
    Fecha->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    Fecha->setFocusPolicy(Qt::ClickFocus);
    h->addWidget(Fecha);
    return Panel11;
}

QWidget *TFormCalculadora::CrearPanelesCalculadora()
{
    auto *bloque = new QWidget(this);
    auto *v = new QVBoxLayout(bloque);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);

    auto *cifras = new QHBoxLayout;
    Label7 = new QLabel(QStringLiteral("Nº sum:"), bloque);
    LSumandos = new QLabel(QStringLiteral("0"), bloque);
    LSumandos->setObjectName(QStringLiteral("LSumandos"));
    LSumandos->setToolTip(QStringLiteral("Número de sumandos"));
    Label8 = new QLabel(QStringLiteral("S"), bloque);
    LRe1 = new QLabel(QStringLiteral("0"), bloque);
    LRe1->setObjectName(QStringLiteral("LRe1"));
    LRe1->setToolTip(QStringLiteral("Resultado actual de la suma"));
    LRe1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cifras->addWidget(Label7);
    cifras->addWidget(LSumandos);
    cifras->addSpacing(8);
    cifras->addWidget(Label8);
    cifras->addWidget(LRe1, 1);
    v->addLayout(cifras);

    PanelPtas = new QWidget(bloque);
    auto *p = new QHBoxLayout(PanelPtas);
    p->setContentsMargins(0, 0, 0, 0);
    CKPtas = Casilla(PanelPtas, QStringLiteral("&Ptas."), QStringLiteral("CKPtas"),
                     QStringLiteral("Permite introducir importes en pesetas que se traducen a euros"));
    EditPtas = new QLineEdit(PanelPtas);
    EditPtas->setObjectName(QStringLiteral("EditPtas"));
    EditPtas->setMaxLength(12);
    EditPtas->setAlignment(Qt::AlignRight);
    LPtas = new QLabel(QStringLiteral("0"), PanelPtas);
    LPtas->setObjectName(QStringLiteral("LPtas"));
    LPtas->setToolTip(QStringLiteral("Importe en pesetas"));
    LPtas->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette pt = LPtas->palette();
    pt.setColor(QPalette::WindowText, QColor(0, 128, 128));
    LPtas->setPalette(pt);
    PorcenAcum = Casilla(PanelPtas, QStringLiteral("&Acumular %"), QStringLiteral("PorcenAcum"),
                         QStringLiteral("El porcentaje obtenido se suma a la base"));
    p->addWidget(CKPtas);
    p->addWidget(EditPtas, 1);
    p->addWidget(LPtas, 1);
    p->addWidget(PorcenAcum);
    v->addWidget(PanelPtas);

    auto *fila = new QHBoxLayout;
    PanelDecimales = new QWidget(bloque);
    PanelDecimales->setObjectName(QStringLiteral("PanelDecimales"));
    auto *d = new QGridLayout(PanelDecimales);
    d->setContentsMargins(0, 0, 0, 0);
    d->setSpacing(1);
    BMENOSDEC = BotonHerramienta(PanelDecimales, QStringLiteral("-"), QStringLiteral("BMENOSDEC"), {});
    auto *label5 = new QLabel(QStringLiteral("Decimales"), PanelDecimales);
    BMASDEC = BotonHerramienta(PanelDecimales, QStringLiteral("+"), QStringLiteral("BMASDEC"), {});
    TDecimales = new QSlider(Qt::Horizontal, PanelDecimales);
    TDecimales->setObjectName(QStringLiteral("TDecimales"));
    TDecimales->setRange(0, 8);
    TDecimales->setValue(2);
    TDecimales->setPageStep(1);
    TDecimales->setTickPosition(QSlider::TicksBelow);
    TDecimales->setFocusPolicy(Qt::NoFocus);
    TDecimales->setToolTip(QStringLiteral("Seleccione el nº de decimales (Alt -Flechas)"));
    FL = new EtiquetaPulsable(QStringLiteral("FL"), PanelDecimales);
    FL->setObjectName(QStringLiteral("FL"));
    FL->setToolTip(QStringLiteral("Coma flotante"));
    FL->setFrameShape(QFrame::Panel);
    auto *label19 = new QLabel(QStringLiteral("&F"), PanelDecimales);
    FijaDec = Casilla(PanelDecimales, QString(), QStringLiteral("FijaDec"));
    label19->setBuddy(FijaDec);
    auto *label21 = new QLabel(QStringLiteral("Redondeo"), PanelDecimales);
    RB0 = new QRadioButton(QStringLiteral("0"), PanelDecimales);
    RB0->setObjectName(QStringLiteral("RB0"));
    RB5 = new QRadioButton(QStringLiteral("5"), PanelDecimales);
    RB5->setObjectName(QStringLiteral("RB5"));
    RB5->setChecked(true);
    RB9 = new QRadioButton(QStringLiteral("9"), PanelDecimales);
    RB9->setObjectName(QStringLiteral("RB9"));
    d->addWidget(BMENOSDEC, 0, 0);
    d->addWidget(label5, 0, 1, 1, 2, Qt::AlignCenter);
    d->addWidget(BMASDEC, 0, 3);
    d->addWidget(TDecimales, 1, 0, 1, 4);
    d->addWidget(FL, 1, 4);
    d->addWidget(label19, 2, 0);
    d->addWidget(FijaDec, 2, 1);
    d->addWidget(label21, 3, 0, 1, 2);
    d->addWidget(RB0, 3, 2);
    d->addWidget(RB5, 3, 3);
    d->addWidget(RB9, 3, 4);
    fila->addWidget(PanelDecimales, 1);

    CrearPanelMemorias(bloque);
    fila->addWidget(PanelMemorias, 1);
    v->addLayout(fila);
    return bloque;
}

QWidget *TFormCalculadora::CrearTeclado()
{
    auto *teclado = new QWidget(this);
    auto *g = new QGridLayout(teclado);
    g->setContentsMargins(0, 0, 0, 0);
    g->setSpacing(2);
    QToolButton **digitos[] = {&B0, &B1, &B2, &B3, &B4, &B5, &B6, &B7, &B8, &B9};
    for (int i = 0; i < 10; ++i) {
        *digitos[i] = TeclaNueva(QString::number(i), QStringLiteral("B%1").arg(i));
        (*digitos[i])->setProperty("tag", 48 + i);
    }
    BCOMA = TeclaNueva(QStringLiteral(","), QStringLiteral("BCOMA"));
    BMAS = TeclaNueva(QStringLiteral("+"), QStringLiteral("BMAS"));
    BMENOS = TeclaNueva(QStringLiteral("-"), QStringLiteral("BMENOS"));
    BPOR = TeclaNueva(QStringLiteral("x"), QStringLiteral("BPOR"));
    BDIV = TeclaNueva(QStringLiteral("/"), QStringLiteral("BDIV"));
    BIGUAL = TeclaNueva(QStringLiteral("="), QStringLiteral("BIGUAL"));
    BPORCENT = TeclaNueva(QStringLiteral("%"), QStringLiteral("BPORCENT"));
    BTOTAL = TeclaNueva(QStringLiteral("T"), QStringLiteral("BTOTAL"));
    BTOTAL->setToolTip(QStringLiteral("Totaliza  (T)"));
    BSS = TeclaNueva(QStringLiteral("Ss"), QStringLiteral("BSS"));
    BSS->setToolTip(QStringLiteral("Subtotal  (S)"));
    BCNT = TeclaNueva(QStringLiteral("CNT"), QStringLiteral("BCNT"));
    BCNT->setToolTip(QStringLiteral("Nº sumandos  (N)"));
    BSIGNO = TeclaNueva(QStringLiteral("+/-"), QStringLiteral("BSIGNO"));
    BSIGNO->setToolTip(QStringLiteral("Cambiar signo  (&)"));
    BBorrarTodo = TeclaNueva(QStringLiteral("C"), QStringLiteral("BBorrarTodo"));
    BBorrarTodo->setToolTip(QStringLiteral("Borrar todo   (Esc)"));
    BBorrarUltimo = TeclaNueva(QStringLiteral("CE"), QStringLiteral("BBorrarUltimo"));
    BBorrarUltimo->setToolTip(QStringLiteral("Borrar último  (Suprimir)"));
    BBorrarUno = TeclaNueva(QStringLiteral("<-"), QStringLiteral("BBorrarUno"));
    BBorrarUno->setToolTip(QStringLiteral("Borrar   (Retroceso)"));
    Bkk = TeclaNueva(QString(), QStringLiteral("Bkk"));
    Bkk->hide();
    Bkk->setChecked(true);

    QToolButton *rejilla[5][5] = {
        {BBorrarTodo, BBorrarUltimo, BBorrarUno, BSIGNO, BCNT},
        {B7, B8, B9, BDIV, BPORCENT},
        {B4, B5, B6, BPOR, BSS},
        {B1, B2, B3, BMENOS, BTOTAL},
        {B0, BCOMA, BIGUAL, BMAS, nullptr},
    };
    for (int f = 0; f < 5; ++f)
        for (int c = 0; c < 5; ++c)
            if (rejilla[f][c])
                g->addWidget(rejilla[f][c], f, c);
    QFont negrita = BMAS->font();
    negrita.setBold(true);
    negrita.setPointSize(negrita.pointSize() + 2);
    for (QAbstractButton *b : GrupoTeclado->buttons())
        b->setFont(negrita);
    return teclado;
}

QWidget *TFormCalculadora::CrearPanelTiempo()
{
    PanelFTiempo = new QWidget(this);
    PanelFTiempo->setObjectName(QStringLiteral("PanelFTiempo"));
    auto *h = new QHBoxLayout(PanelFTiempo);
    h->setContentsMargins(0, 0, 0, 0);
    BotLap = BotonHerramienta(PanelFTiempo, QStringLiteral("Lap"), QStringLiteral("BotLap"), QStringLiteral("( L )"));
    BotMarca = BotonHerramienta(PanelFTiempo, QStringLiteral("Marca"), QStringLiteral("BotMarca"), QStringLiteral("( M )"));
    BotStop = BotonHerramienta(PanelFTiempo, QStringLiteral("Stop"), QStringLiteral("BotStop"), QStringLiteral("( S )"));
    BotAlarmaON = BotonHerramienta(PanelFTiempo, QStringLiteral("ON"), QStringLiteral("BotAlarmaON"), QStringLiteral("( Q )"));
    BotAlarmaOFF = BotonHerramienta(PanelFTiempo, QStringLiteral("OFF"), QStringLiteral("BotAlarmaOFF"), QStringLiteral("( Q )"));
    BotCuentaAtrasON = BotonHerramienta(PanelFTiempo, QStringLiteral("ON"), QStringLiteral("BotCuentaAtrasON"), QStringLiteral("( W )"));
    BotCuentaAtrasOFF = BotonHerramienta(PanelFTiempo, QStringLiteral("OFF"), QStringLiteral("BotCuentaAtrasOFF"), QStringLiteral("( W )"));
    for (QToolButton *b : {BotLap, BotMarca, BotStop}) {
        b->setEnabled(false);
        h->addWidget(b);
    }
    for (QToolButton *b : {BotAlarmaON, BotAlarmaOFF, BotCuentaAtrasON, BotCuentaAtrasOFF}) {
        b->setVisible(false);
        h->addWidget(b);
    }
    h->addStretch(1);
    return PanelFTiempo;
}

QWidget *TFormCalculadora::CrearTiras()
{
    auto *pila = new QWidget(this);
    auto *g = new QGridLayout(pila);
    g->setContentsMargins(0, 0, 0, 0);
    const QFont fuente = FuenteTira();
    QListWidget **tiras[] = {&Papel, &Papel1, &Papel2};
    for (int i = 0; i < 3; ++i) {
        auto *t = new QListWidget(pila);
        t->setObjectName(i == 0 ? QStringLiteral("Papel") : QStringLiteral("Papel%1").arg(i));
        t->setFont(fuente);
        t->setUniformItemSizes(true);
        t->setSelectionMode(QAbstractItemView::SingleSelection);
        t->setFocusPolicy(Qt::ClickFocus);
        // Room for a full line (number, blank, mark) and the scroll bar.
        t->setFixedWidth(QFontMetrics(fuente).horizontalAdvance(QString(26, QLatin1Char('0')))
                         + t->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * t->frameWidth() + 6);
        g->addWidget(t, 0, 0);
        *tiras[i] = t;
    }
    Papel->setToolTip(QStringLiteral("Con un click pasa el valor al panel y con doble click edita sumando"));
    PanelAnota = new QWidget(pila);
    PanelAnota->setObjectName(QStringLiteral("PanelAnota"));
    g->addWidget(PanelAnota, 1, 0);
    return pila;
}

QWidget *TFormCalculadora::CrearHerramientas()
{
    auto *barra = new QWidget(this);
    auto *h = new QGridLayout(barra);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(1);
    BBorrarTira = BotonHerramienta(barra, QStringLiteral("Limpiar tira"), QStringLiteral("BBorrarTira"),
                                   QStringLiteral("Elimina el contenido de la tira de papel"));
    BotImprimir = BotonHerramienta(barra, QStringLiteral("Imprimir"), QStringLiteral("BotImprimir"), QStringLiteral("Imprimir la tira"));
    BotCopPorta = BotonHerramienta(barra, QStringLiteral("Copiar"), QStringLiteral("BotCopPorta"), QStringLiteral("Copia tira papel al portapapeles"));
    BotPegPorta = BotonHerramienta(barra, QStringLiteral("Pegar"), QStringLiteral("BotPegPorta"), QStringLiteral("Pega el contenido del portapapeles en la tira"));
    BotGuardarPP = BotonHerramienta(barra, QStringLiteral("Guardar"), QStringLiteral("BotGuardarPP"), QStringLiteral("Guardar la tira"));
    BotAbrirPP = BotonHerramienta(barra, QStringLiteral("Abrir"), QStringLiteral("BotAbrirPP"), QStringLiteral("Abrir una tira"));
    BExpresion = BotonHerramienta(barra, QStringLiteral("f(x)"), QStringLiteral("BExpresion"), QStringLiteral("Evaluador expresiones     P.ej. 5*(4+23)/(3+4)"));
    BotCopPPNum = BotonHerramienta(barra, QStringLiteral("123"), QStringLiteral("BotCopPPNum"), QStringLiteral("Copia al portapapeles el número"));
    BotCopPPNumLetras = BotonHerramienta(barra, QStringLiteral("abc"), QStringLiteral("BotCopPPNumLetras"), QStringLiteral("Copia al portapapeles el número en letras"));
    BotCopPPPesetas = BotonHerramienta(barra, QStringLiteral("Pts"), QStringLiteral("BotCopPPPesetas"), QStringLiteral("Copia al portapapeles el importe en pesetas"));
    BotAcerca = BotonHerramienta(barra, QStringLiteral("i"), QStringLiteral("BotAcerca"), QStringLiteral("Acerca de..."));
    btnHelpTOC = BotonHerramienta(barra, QStringLiteral("?"), QStringLiteral("btnHelpTOC"), QStringLiteral("Ayuda"));
    btnWhatsThis = BotonHerramienta(barra, QStringLiteral("¿?"), QStringLiteral("btnWhatsThis"), QStringLiteral("¿Qué es esto?"));
    BotGuiaRef = BotonHerramienta(barra, QStringLiteral("Teclas"), QStringLiteral("BotGuiaRef"), QStringLiteral("Muestra las teclas abreviadas"));
    BotSVis = BotonHerramienta(barra, QStringLiteral("^"), QStringLiteral("BotSVis"),
                               QStringLiteral("Siempre visible, esta pantalla se superpone a todas las demás ventanas del windows"));
    QToolButton *const orden[] = {BBorrarTira, BotImprimir, BotCopPorta, BotPegPorta, BotGuardarPP,
                                  BotAbrirPP,  BExpresion,  BotCopPPNum, BotCopPPNumLetras, BotCopPPPesetas,
                                  BotAcerca,   btnHelpTOC,  btnWhatsThis, BotGuiaRef, BotSVis};
    for (int i = 0; i < 15; ++i) {
        orden[i]->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        h->addWidget(orden[i], i / 5, i % 5);
    }
    return barra;
}

QWidget *TFormCalculadora::CrearPanelDigitos()
{
    PanelDigitos = new QFrame(this);
    PanelDigitos->setObjectName(QStringLiteral("PanelDigitos"));
    PanelDigitos->setAutoFillBackground(true);
    auto *f = new QFormLayout(PanelDigitos);
    EditNumero = new QLineEdit(PanelDigitos);
    EditNumero->setObjectName(QStringLiteral("EditNumero"));
    EditPor = new QLineEdit(PanelDigitos);
    EditPor->setObjectName(QStringLiteral("EditPor"));
    EditResultado = new QLineEdit(PanelDigitos);
    EditResultado->setObjectName(QStringLiteral("EditResultado"));
    EPesetas = new QLineEdit(PanelDigitos);
    EPesetas->setObjectName(QStringLiteral("EPesetas"));
    EEuros = new QLineEdit(PanelDigitos);
    EEuros->setObjectName(QStringLiteral("EEuros"));
    f->addRow(QStringLiteral("Número"), EditNumero);
    f->addRow(QStringLiteral("%"), EditPor);
    f->addRow(QStringLiteral("Resultado"), EditResultado);
    f->addRow(QStringLiteral("Pesetas"), EPesetas);
    f->addRow(QStringLiteral("Euros"), EEuros);
    return PanelDigitos;
}

QWidget *TFormCalculadora::CrearPanelConfiguracion()
{
    PanelConfiguracion = new QFrame(this);
    PanelConfiguracion->setObjectName(QStringLiteral("PanelConfiguracion"));
    PanelConfiguracion->setAutoFillBackground(true);
    auto *v = new QGridLayout(PanelConfiguracion);
    VerBarraTareas = Casilla(PanelConfiguracion, QStringLiteral("Ver en la barra de tareas"), QStringLiteral("VerBarraTareas"));
    VerIcono = Casilla(PanelConfiguracion, QStringLiteral("ver icono"), QStringLiteral("VerIcono"));
    InicioAutomatico = Casilla(PanelConfiguracion, QStringLiteral("Iniciar automáticamente "), QStringLiteral("InicioAutomatico"),
                               QStringLiteral("El programa arraca automáticamente al iniciarse el windows"));
    minimizado = Casilla(PanelConfiguracion, QStringLiteral("minimizado"), QStringLiteral("minimizado"),
                         QStringLiteral("El programa arraca automáticamente al iniciarse el windows"));
    minimizado->setEnabled(false);
    GuardarSalir = Casilla(PanelConfiguracion, QStringLiteral("Guardar &configuración al salir"), QStringLiteral("GuardarSalir"),
                           QStringLiteral("Si está activo se guardan automáticamente las preferencias al salir"));
    BotPPP = Casilla(PanelConfiguracion, QStringLiteral("Ver botones copiar portapapeles "), QStringLiteral("BotPPP"));
    HabAnota = Casilla(PanelConfiguracion, QStringLiteral("Anotaciones"), QStringLiteral("HabAnota"));
    ImpNotas = Casilla(PanelConfiguracion, QStringLiteral("Imprimir sin vista previa"), QStringLiteral("ImpNotas"));
    AlarmaSonora = Casilla(PanelConfiguracion, QStringLiteral("Alarma sonora"), QStringLiteral("AlarmaSonora"));
    AlarmaDia = Casilla(PanelConfiguracion, QStringLiteral("Al iniciar fijar alarma a las: "), QStringLiteral("AlarmaDia"));
    HoraAlarma = new QLineEdit(PanelConfiguracion);
    HoraAlarma->setObjectName(QStringLiteral("HoraAlarma"));
    HoraAlarma->setMaximumWidth(70);
    VecesAlarma = new QSpinBox(PanelConfiguracion);
    VecesAlarma->setObjectName(QStringLiteral("VecesAlarma"));
    VecesAlarma->setRange(0, 99);
    NSonido = new QSpinBox(PanelConfiguracion);
    NSonido->setObjectName(QStringLiteral("NSonido"));
    NSonido->setRange(1, 13);
    EditProv = new QLineEdit(PanelConfiguracion);
    EditProv->setObjectName(QStringLiteral("EditProv"));
    EditProv2 = new QLineEdit(PanelConfiguracion);
    EditProv2->setObjectName(QStringLiteral("EditProv2"));
    EditCalendar = new QLineEdit(PanelConfiguracion);
    EditCalendar->setObjectName(QStringLiteral("EditCalendar"));
    LDirCalendar = new QLabel(PanelConfiguracion);
    LDirCalendar->setObjectName(QStringLiteral("LDirCalendar"));
    Label16 = new QLabel(QStringLiteral("  Calendario:  "), PanelConfiguracion);
    Label17 = new QLabel(QStringLiteral("Acceso calendario"), PanelConfiguracion);
    Label2 = new QLabel(QStringLiteral("Seleccionar otro calendario"), PanelConfiguracion);
    BotCalendar2 = BotonHerramienta(PanelConfiguracion, QStringLiteral("..."), QStringLiteral("BotCalendar2"),
                                    QStringLiteral("Calendario para los festivos"));
    BotCalendario = BotonHerramienta(PanelConfiguracion, QStringLiteral("..."), QStringLiteral("BotCalendario"),
                                     QStringLiteral("Selección de un calendario (para calcular días hábiles)"));
    BotNuevo = BotonHerramienta(PanelConfiguracion, QStringLiteral("&Nuevo"), QStringLiteral("BotNuevo"),
                                QStringLiteral("Permite crear un calendario nuevo"));
    BotReconstruir = BotonHerramienta(PanelConfiguracion, QStringLiteral("&Reconstruir"), QStringLiteral("BotReconstruir"),
                                      QStringLiteral("Intenta reconstruir un fichero dañado"));
    for (QToolButton *b : {BotCalendar2, BotCalendario, BotNuevo, BotReconstruir}) {
        b->setFocusPolicy(Qt::StrongFocus);
        b->setAutoRaise(false);
    }
    BotGuardar = new QPushButton(QStringLiteral("&Guardar configuración"), PanelConfiguracion);
    BotGuardar->setObjectName(QStringLiteral("BotGuardar"));
    BotGuardar->setToolTip(QStringLiteral("Guarda la configuración actual"));
    BotGuardarPredeterminados = new QPushButton(QStringLiteral("&Restaurar valores iniciales"), PanelConfiguracion);
    BotGuardarPredeterminados->setObjectName(QStringLiteral("BotGuardarPredeterminados"));
    BotGuardarPredeterminados->setToolTip(QStringLiteral("Restaura los valores iniciales de todos los campos"));
    QPalette cara = EditCalendar->palette();
    cara.setColor(QPalette::Base, cara.color(QPalette::Button));
    EditCalendar->setPalette(cara);
    LSinCalendario = new QLabel(QStringLiteral(" SIN CALENDARIO "), PanelConfiguracion);
    LSinCalendario->setObjectName(QStringLiteral("LSinCalendario"));
    QPalette rojo = LSinCalendario->palette();
    rojo.setColor(QPalette::WindowText, Qt::red);
    LSinCalendario->setPalette(rojo);

    int fila = 0;
    v->addWidget(VerBarraTareas, fila, 0);
    v->addWidget(VerIcono, fila++, 1);
    v->addWidget(InicioAutomatico, fila, 0);
    v->addWidget(minimizado, fila++, 1);
    v->addWidget(GuardarSalir, fila, 0);
    v->addWidget(BotPPP, fila++, 1);
    v->addWidget(HabAnota, fila, 0);
    v->addWidget(ImpNotas, fila++, 1);
    v->addWidget(AlarmaSonora, fila++, 0);
    v->addWidget(AlarmaDia, fila, 0);
    v->addWidget(HoraAlarma, fila++, 1);
    v->addWidget(new QLabel(QStringLiteral("Repeticiones / sonido"), PanelConfiguracion), fila, 0);
    auto *sonido = new QHBoxLayout;
    sonido->addWidget(VecesAlarma);
    sonido->addWidget(NSonido);
    v->addLayout(sonido, fila++, 1);
    v->addWidget(new QLabel(QStringLiteral("Provincias"), PanelConfiguracion), fila, 0);
    auto *prov = new QHBoxLayout;
    prov->addWidget(EditProv);
    prov->addWidget(EditProv2);
    v->addLayout(prov, fila++, 1);
    auto *acceso = new QHBoxLayout;
    acceso->addWidget(Label16);
    acceso->addWidget(EditCalendar, 1);
    acceso->addWidget(Label17);
    acceso->addWidget(BotCalendar2);
    v->addLayout(acceso, fila++, 0, 1, 2);
    auto *otro = new QHBoxLayout;
    otro->addWidget(Label2);
    otro->addWidget(BotCalendario);
    otro->addWidget(BotNuevo);
    otro->addWidget(BotReconstruir);
    otro->addStretch(1);
    v->addLayout(otro, fila++, 0, 1, 2);
    v->addWidget(LDirCalendar, fila++, 0, 1, 2);
    v->addWidget(LSinCalendario, fila++, 0, 1, 2);
    auto *guardar = new QHBoxLayout;
    guardar->addWidget(BotGuardar);
    guardar->addWidget(BotGuardarPredeterminados);
    v->addLayout(guardar, fila++, 0, 1, 2);
    v->setRowStretch(fila, 1);
    return PanelConfiguracion;
}

void TFormCalculadora::CrearBandeja()
{
    PopupMenu1 = new QMenu(this);
    MenuTitulo = PopupMenu1->addAction(QString());
    QFont negrita = MenuTitulo->font();
    negrita.setBold(true);
    MenuTitulo->setFont(negrita);
    PopupMenu1->addSeparator();
    Acercade1 = PopupMenu1->addAction(QStringLiteral("Acerca de..."));
    PopupMenu1->addSeparator();
    uno1 = PopupMenu1->addAction(QStringLiteral("Cerrar"));
    Minimizar1 = PopupMenu1->addAction(QStringLiteral("Minimizar"));
    Restaurar1 = PopupMenu1->addAction(QStringLiteral("Restaurar"));
    PopupMenu1->addSeparator();
    PonerCronometro = PopupMenu1->addAction(QStringLiteral("Poner cronómetro"));
    PonerAlarma = PopupMenu1->addAction(QStringLiteral("Poner alarma"));
    PonerCuentaAtras = PopupMenu1->addAction(QStringLiteral("Poner cuenta atrás"));
    PopupMenu1->addSeparator();
    Calculadora1 = PopupMenu1->addAction(QStringLiteral("Calculadora"));
    Fechas1 = PopupMenu1->addAction(QStringLiteral("Fechas"));
    Tiempo1 = PopupMenu1->addAction(QStringLiteral("Tiempo"));
    Varios = PopupMenu1->addAction(QStringLiteral("Varios"));
    Configuracin1 = PopupMenu1->addAction(QStringLiteral("Configuración"));
    PopupMenu1->setDefaultAction(MenuTitulo);

    CHTrayIcon1 = new QSystemTrayIcon(this);
    CHTrayIcon1->setToolTip(QStringLiteral("Tallyra"));
    CHTrayIcon1->setContextMenu(PopupMenu1);
}
