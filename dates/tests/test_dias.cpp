#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <climits>
#include <numeric>
#include <stdexcept>
#include <utility>
#include <vector>

#include "Dias.h"
#include "DiasReferencia.h"
#include "IndiceFestivos.h"
#include "FechaHora.h"
#include "FechasPrueba.h"

namespace {

// "A" ambos inclusive, "H" hábiles, "S" sábado no hábil.
OpcionesDias Opciones(const QString &letras)
{
    OpcionesDias o;
    o.ambosInc = letras.contains(u'A');
    o.habiles = letras.contains(u'H');
    o.sabadosNo = letras.contains(u'S');
    return o;
}

QString Letras(const OpcionesDias &o)
{
    return QString(o.ambosInc ? "A" : "") + (o.habiles ? "H" : "") + (o.sabadosNo ? "S" : "");
}

// Weekday counts in the order domingo .. sábado.
QList<int> Semana(const ContadorSemana &c)
{
    return QList<int>(c.begin() + 1, c.end());
}

// A holiday table as the calendar store would answer for it, seen both
// through its range query (the fast counts) and day by day (the walks).
struct Calendario {
    std::vector<int> dias;    // ascending, a date may repeat
    bool conFilas = true;     // false: the table has no rows at all
    bool desordenado = false; // the query answers in no particular order
    int consultas = 0;
    std::vector<std::pair<int, int>> rangos;

    Calendario() = default;
    explicit Calendario(const QStringList &fechas)
    {
        for (const QString &f : fechas)
            dias.push_back(Serial(f));
        std::sort(dias.begin(), dias.end());
    }
    static Calendario SinFilas()
    {
        Calendario c;
        c.conFilas = false;
        return c;
    }

    ConsultaFestivos Consulta()
    {
        if (!conFilas)
            return {};
        return [this](int desde, int hasta) {
            ++consultas;
            rangos.emplace_back(desde, hasta);
            std::vector<int> r(std::lower_bound(dias.begin(), dias.end(), desde),
                               std::upper_bound(dias.begin(), dias.end(), hasta));
            if (desordenado) {
                // Repeated dates no longer side by side either.
                QRandomGenerator mezcla(desde);
                std::shuffle(r.begin(), r.end(), mezcla);
            }
            return r;
        };
    }
    Referencia::EsFestivo EsFestivo() const
    {
        if (!conFilas)
            return {};
        return [this](int d) { return std::binary_search(dias.begin(), dias.end(), d); };
    }
};

// Spain's fixed national holidays, 1990..2040: a realistic density.
Calendario Nacional()
{
    Calendario c;
    const int fijos[][2] = {{1, 1}, {6, 1}, {1, 5}, {15, 8}, {12, 10}, {1, 11}, {6, 12}, {8, 12}, {25, 12}};
    for (int anio = 1990; anio <= 2040; ++anio)
        for (const auto &f : fijos)
            c.dias.push_back(int(Funcion::FechaASerial(QDate(anio, f[1], f[0]))));
    std::sort(c.dias.begin(), c.dias.end());
    return c;
}

} // namespace

class TestDias : public QObject
{
    Q_OBJECT

private slots:
    void limites();
    void mismaFecha_data();
    void mismaFecha();
    void semanaCompleta_data();
    void semanaCompleta();
    void viernesMasUno_data();
    void viernesMasUno();
    void fechaNaturales_data();
    void fechaNaturales();
    void festivosNoDobles_data();
    void festivosNoDobles();
    void sabadosCeroConSabadosNo();
    void cuatroSemanas_data();
    void cuatroSemanas();
    void fueraDeRango_data();
    void fueraDeRango();
    void extremosAceptados();
    void consultasPorCalculo();
    void calendarioSaturado();
    void indice_data();
    void indice();
    void indiceRecargado();
    void aleatorio_data();
    void aleatorio();
};

void TestDias::limites()
{
    QCOMPARE(kPrimerDia, int(Funcion::FechaASerial(QDate(100, 1, 1))));
    QCOMPARE(kUltimoDia, int(Funcion::FechaASerial(QDate(9999, 12, 31))));
}

void TestDias::mismaFecha_data()
{
    QTest::addColumn<QString>("fecha");
    QTest::addColumn<QStringList>("festivos");
    QTest::addColumn<QString>("opciones");
    QTest::addColumn<int>("dias");

    const QStringList ninguno;
    const QStringList mayo{"01/05/2024"};
    QTest::newRow("naturales") << "03/01/2024" << ninguno << "" << 0;
    QTest::newRow("naturales ambos") << "03/01/2024" << ninguno << "A" << 1;
    QTest::newRow("hábiles") << "03/01/2024" << ninguno << "H" << 0;
    QTest::newRow("hábiles ambos, miércoles") << "03/01/2024" << ninguno << "AH" << 1;
    QTest::newRow("hábiles ambos, domingo") << "07/01/2024" << ninguno << "AH" << 0;
    QTest::newRow("hábiles ambos, festivo") << "01/05/2024" << mayo << "AH" << 0;
    QTest::newRow("hábiles ambos, sábado") << "06/01/2024" << ninguno << "AH" << 1;
    QTest::newRow("hábiles ambos, sábado no hábil") << "06/01/2024" << ninguno << "AHS" << 0;
}

void TestDias::mismaFecha()
{
    QFETCH(QString, fecha);
    QFETCH(QStringList, festivos);
    QFETCH(QString, opciones);
    QFETCH(int, dias);
    Calendario cal(festivos);
    const int d = Serial(fecha);
    const OpcionesDias o = Opciones(opciones);
    QCOMPARE(CalcularDias(d, d, o, cal.Consulta()), dias);
    const ContadorSemana c = NumDiasSem(d, d, o, cal.Consulta());
    QCOMPARE(std::accumulate(c.begin(), c.end(), 0), dias);
}

void TestDias::semanaCompleta_data()
{
    QTest::addColumn<bool>("conFilas");
    QTest::addColumn<QString>("opciones");
    QTest::addColumn<int>("dias");

    for (const bool filas : {false, true}) {
        const char *cal = filas ? "festivos fuera de la semana" : "calendario sin filas";
        QTest::addRow("%s, hábiles", cal) << filas << "H" << 5;
        QTest::addRow("%s, ambos", cal) << filas << "AH" << 6;
        QTest::addRow("%s, sábado no hábil", cal) << filas << "HS" << 4;
        QTest::addRow("%s, ambos y sábado no hábil", cal) << filas << "AHS" << 5;
    }
}

// Monday 1 to Sunday 7 January 2024, in both orders.
void TestDias::semanaCompleta()
{
    QFETCH(bool, conFilas);
    QFETCH(QString, opciones);
    QFETCH(int, dias);
    Calendario cal = conFilas ? Calendario({"15/08/2024", "25/12/2023"}) : Calendario::SinFilas();
    const int lunes = Serial("01/01/2024");
    const int domingo = Serial("07/01/2024");
    const OpcionesDias o = Opciones(opciones);
    QCOMPARE(CalcularDias(lunes, domingo, o, cal.Consulta()), dias);
    QCOMPARE(CalcularDias(domingo, lunes, o, cal.Consulta()), dias);
    QCOMPARE(DiasHabiles(lunes, domingo, o, cal.Consulta()), dias);
}

void TestDias::viernesMasUno_data()
{
    QTest::addColumn<QString>("fecha");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("opciones");
    QTest::addColumn<QStringList>("festivos");
    QTest::addColumn<QString>("resultado");

    const QStringList ninguno;
    QTest::newRow("viernes +1") << "05/01/2024" << 1 << "H" << ninguno << "06/01/2024";
    QTest::newRow("viernes +1, sábado no hábil") << "05/01/2024" << 1 << "HS" << ninguno << "08/01/2024";
    QTest::newRow("viernes +1, ambos") << "05/01/2024" << 1 << "AH" << ninguno << "05/01/2024";
    QTest::newRow("viernes +1, ambos y sábado no hábil") << "05/01/2024" << 1 << "AHS" << ninguno << "05/01/2024";
    QTest::newRow("viernes +2, ambos y sábado no hábil") << "05/01/2024" << 2 << "AHS" << ninguno << "08/01/2024";
    QTest::newRow("domingo +1, ambos") << "07/01/2024" << 1 << "AH" << ninguno << "07/01/2024";
    QTest::newRow("lunes -1") << "08/01/2024" << -1 << "H" << ninguno << "06/01/2024";
    QTest::newRow("lunes -1, sábado no hábil") << "08/01/2024" << -1 << "HS" << ninguno << "05/01/2024";
    QTest::newRow("lunes -1, ambos") << "08/01/2024" << -1 << "AH" << ninguno << "08/01/2024";
    QTest::newRow("viernes +1 sobre lunes festivo")
        << "05/01/2024" << 1 << "HS" << QStringList{"08/01/2024"} << "09/01/2024";
    QTest::newRow("martes -1 sobre lunes festivo y sábado")
        << "09/01/2024" << -1 << "H" << QStringList{"06/01/2024", "08/01/2024"} << "05/01/2024";
}

void TestDias::viernesMasUno()
{
    QFETCH(QString, fecha);
    QFETCH(int, n);
    QFETCH(QString, opciones);
    QFETCH(QStringList, festivos);
    QFETCH(QString, resultado);
    Calendario cal(festivos);
    const OpcionesDias o = Opciones(opciones);
    QCOMPARE(Texto(CalcularFecha(Serial(fecha), n, o, cal.Consulta())), resultado);
    QCOMPARE(Texto(NumDiasHabiles(Serial(fecha), n, o, cal.Consulta())), resultado);
}

void TestDias::fechaNaturales_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("opciones");
    QTest::addColumn<QString>("resultado");

    QTest::newRow("+10") << 10 << "" << "20/01/2024";
    QTest::newRow("+10 ambos") << 10 << "A" << "19/01/2024";
    QTest::newRow("-10") << -10 << "" << "31/12/2023";
    QTest::newRow("-10 ambos") << -10 << "A" << "01/01/2024";
    QTest::newRow("+1 ambos") << 1 << "A" << "10/01/2024";
    QTest::newRow("-1 ambos") << -1 << "A" << "10/01/2024";
    // Saturdays only matter for business days.
    QTest::newRow("+10 sábado no hábil sin hábiles") << 10 << "S" << "20/01/2024";
}

// From 10 January 2024, calendar days; holidays play no part.
void TestDias::fechaNaturales()
{
    QFETCH(int, n);
    QFETCH(QString, opciones);
    QFETCH(QString, resultado);
    Calendario cal({"15/01/2024", "05/01/2024"});
    QCOMPARE(Texto(CalcularFecha(Serial("10/01/2024"), n, Opciones(opciones), cal.Consulta())),
             resultado);
    QCOMPARE(cal.consultas, 0);
}

void TestDias::festivosNoDobles_data()
{
    QTest::addColumn<QString>("opciones");
    QTest::addColumn<QStringList>("festivos");
    QTest::addColumn<int>("dias");
    QTest::addColumn<QList<int>>("semana"); // domingo .. sábado

    QTest::newRow("sábado festivo, sábado no hábil")
        << "AHS" << QStringList{"06/01/2024"} << 10 << QList<int>{0, 2, 2, 2, 2, 2, 0};
    QTest::newRow("sábado festivo")
        << "AH" << QStringList{"06/01/2024"} << 11 << QList<int>{0, 2, 2, 2, 2, 2, 1};
    QTest::newRow("domingo festivo")
        << "AH" << QStringList{"07/01/2024"} << 12 << QList<int>{0, 2, 2, 2, 2, 2, 2};
    QTest::newRow("festivo repetido")
        << "AH" << QStringList{"03/01/2024", "03/01/2024"} << 11 << QList<int>{0, 2, 2, 1, 2, 2, 2};
    QTest::newRow("sábado festivo repetido, sábado no hábil")
        << "AHS" << QStringList{"13/01/2024", "13/01/2024"} << 10 << QList<int>{0, 2, 2, 2, 2, 2, 0};
    QTest::newRow("primer día festivo, sin ambos")
        << "H" << QStringList{"01/01/2024"} << 11 << QList<int>{0, 1, 2, 2, 2, 2, 2};
    QTest::newRow("primer día festivo, ambos")
        << "AH" << QStringList{"01/01/2024"} << 11 << QList<int>{0, 1, 2, 2, 2, 2, 2};
    QTest::newRow("último día festivo")
        << "AH" << QStringList{"12/01/2024"} << 11 << QList<int>{0, 2, 2, 2, 2, 1, 2};
    QTest::newRow("festivos al borde, fuera del periodo")
        << "H" << QStringList{"31/12/2023", "15/01/2024"} << 11 << QList<int>{0, 1, 2, 2, 2, 2, 2};
    QTest::newRow("sin hábiles el festivo es un día más")
        << "A" << QStringList{"03/01/2024"} << 14 << QList<int>{2, 2, 2, 2, 2, 2, 2};
}

// Two weeks, Monday 1 to Sunday 14 January 2024.
void TestDias::festivosNoDobles()
{
    QFETCH(QString, opciones);
    QFETCH(QStringList, festivos);
    QFETCH(int, dias);
    QFETCH(QList<int>, semana);
    Calendario cal(festivos);
    const OpcionesDias o = Opciones(opciones);
    const int desde = Serial("01/01/2024");
    const int hasta = Serial("14/01/2024");
    QCOMPARE(CalcularDias(desde, hasta, o, cal.Consulta()), dias);
    QCOMPARE(Semana(NumDiasSem(desde, hasta, o, cal.Consulta())), semana);
}

// The per-weekday lines must add up to the total the tape shows above them.
void TestDias::sabadosCeroConSabadosNo()
{
    Calendario cal = Calendario::SinFilas();
    const OpcionesDias o = Opciones("HS");
    const int desde = Serial("01/03/2024");
    const int hasta = Serial("31/03/2024");
    const ContadorSemana c = NumDiasSem(desde, hasta, o, cal.Consulta());
    QCOMPARE(c[7], 0);
    QCOMPARE(c[1], 0);
    QCOMPARE(std::accumulate(c.begin(), c.end(), 0), CalcularDias(desde, hasta, o, cal.Consulta()));
    QCOMPARE(CalcularDias(desde, hasta, o, cal.Consulta()), 20);
}

void TestDias::cuatroSemanas_data()
{
    QTest::addColumn<QString>("desde");
    QTest::addColumn<QString>("opciones");
    QTest::addColumn<QStringList>("festivos");
    QTest::addColumn<int>("lunes");
    QTest::addColumn<int>("viernes");

    QTest::newRow("ambos") << "01/01/2024" << "A" << QStringList{} << 4 << 4;
    QTest::newRow("sin ambos, desde la víspera") << "31/12/2023" << "" << QStringList{} << 4 << 4;
    QTest::newRow("hábiles con un lunes festivo")
        << "01/01/2024" << "AH" << QStringList{"08/01/2024"} << 3 << 4;
    QTest::newRow("festivo ignorado sin hábiles")
        << "01/01/2024" << "A" << QStringList{"08/01/2024"} << 4 << 4;
}

// Mondays and Fridays up to Sunday 28 January 2024.
void TestDias::cuatroSemanas()
{
    QFETCH(QString, desde);
    QFETCH(QString, opciones);
    QFETCH(QStringList, festivos);
    QFETCH(int, lunes);
    QFETCH(int, viernes);
    Calendario cal(festivos);
    const ContadorSemana c =
        NumDiasSem(Serial("28/01/2024"), Serial(desde), Opciones(opciones), cal.Consulta());
    QCOMPARE(c[2], lunes);
    QCOMPARE(c[6], viernes);
}

void TestDias::fueraDeRango_data()
{
    QTest::addColumn<int>("fecha");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("opciones");

    const int hoy = Serial("01/01/2024");
    QTest::newRow("+99999999") << hoy << 99999999 << "";
    QTest::newRow("-99999999 ambos") << hoy << -99999999 << "A";
    QTest::newRow("+99999999 hábiles") << hoy << 99999999 << "H";
    QTest::newRow("-99999999 hábiles ambos") << hoy << -99999999 << "AH";
    QTest::newRow("máximo entero hábiles") << hoy << INT_MAX << "HS";
    QTest::newRow("mínimo entero hábiles") << hoy << INT_MIN << "H";
    QTest::newRow("mínimo entero") << hoy << INT_MIN << "";
    QTest::newRow("31/12/9999 +1") << kUltimoDia << 1 << "";
    QTest::newRow("31/12/9999 +1 hábil") << kUltimoDia << 1 << "H";
    QTest::newRow("01/01/0100 -1 hábil") << kPrimerDia << -1 << "HS";
    QTest::newRow("fecha de partida fuera") << kUltimoDia + 1 << -5 << "";
    QTest::newRow("fecha de partida fuera, hábiles") << kPrimerDia - 1 << 5 << "H";
}

// A date beyond the accepted years is refused before any holiday is asked for.
void TestDias::fueraDeRango()
{
    QFETCH(int, fecha);
    QFETCH(int, n);
    QFETCH(QString, opciones);
    Calendario cal = Nacional();
    const OpcionesDias o = Opciones(opciones);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, CalcularFecha(fecha, n, o, cal.Consulta()));
    if (o.habiles)
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, NumDiasHabiles(fecha, n, o, cal.Consulta()));
    QCOMPARE(cal.consultas, 0);
}

void TestDias::extremosAceptados()
{
    Calendario cal({"31/12/9999", "01/01/0100", "06/01/2024"});
    const OpcionesDias h = Opciones("AH");
    QCOMPARE(CalcularFecha(kUltimoDia - 1, 1, {}, cal.Consulta()), kUltimoDia);
    QCOMPARE(CalcularFecha(kPrimerDia + 1, -1, {}, cal.Consulta()), kPrimerDia);
    QCOMPARE(CalcularDias(kPrimerDia, kUltimoDia, {}, cal.Consulta()), kUltimoDia - kPrimerDia);
    QCOMPARE(CalcularDias(kUltimoDia, kPrimerDia, h, cal.Consulta()),
             Referencia::CalcularDias(kPrimerDia, kUltimoDia, h, cal.EsFestivo()));
    QCOMPARE(NumDiasSem(kUltimoDia, kPrimerDia, h, cal.Consulta()),
             Referencia::NumDiasSem(kPrimerDia, kUltimoDia, h, cal.EsFestivo()));
    QCOMPARE(NumDiasHabiles(kUltimoDia - 20, 5, h, cal.Consulta()),
             Referencia::NumDiasHabiles(kUltimoDia - 20, 5, h, cal.EsFestivo()));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, CalcularDias(kPrimerDia - 1, 0, h, cal.Consulta()));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, DiasHabiles(0, kUltimoDia + 1, h, cal.Consulta()));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, NumDiasSem(kUltimoDia + 1, 0, h, cal.Consulta()));
}

// One range query per count, none when no holiday can matter, and a few for
// a date many business days away: never one per day.
void TestDias::consultasPorCalculo()
{
    Calendario cal = Nacional();
    const int desde = Serial("01/01/1995");
    const int hasta = Serial("31/12/2035");
    const OpcionesDias h = Opciones("HS");

    QCOMPARE(CalcularDias(hasta, desde, h, cal.Consulta()),
             Referencia::CalcularDias(desde, hasta, h, cal.EsFestivo()));
    QCOMPARE(cal.consultas, 1);
    QCOMPARE(cal.rangos.back(), std::make_pair(desde + 1, hasta));

    cal.consultas = 0;
    NumDiasSem(desde, hasta, h, cal.Consulta());
    QCOMPARE(cal.consultas, 1);
    CalcularDias(desde, hasta, Opciones("AS"), cal.Consulta());
    NumDiasSem(desde, hasta, Opciones("A"), cal.Consulta());
    CalcularDias(desde, desde, h, cal.Consulta());
    // Sunday alone, ambos inclusive: not a business day whatever the calendar says.
    CalcularDias(Serial("07/01/2024"), Serial("07/01/2024"), Opciones("AH"), cal.Consulta());
    QCOMPARE(cal.consultas, 1);

    for (const int n : {1000, -1000, 5000, -5000}) {
        cal.consultas = 0;
        const int fecha = Serial("15/06/2015");
        QCOMPARE(NumDiasHabiles(fecha, n, h, cal.Consulta()),
                 Referencia::NumDiasHabiles(fecha, n, h, cal.EsFestivo()));
        QVERIFY2(cal.consultas <= 2, qPrintable(QString::number(cal.consultas)));
    }
}

// A year where every day is a holiday: the target keeps moving past what was
// fetched, and the queries must grow instead of creeping day by day.
void TestDias::calendarioSaturado()
{
    Calendario cal;
    for (int d = Serial("01/01/2024"); d <= Serial("31/12/2024"); ++d)
        cal.dias.push_back(d);
    for (const auto &[fecha, n] : {std::pair{Serial("31/12/2023"), 3}, std::pair{Serial("01/01/2025"), -3}}) {
        for (const QString &op : {QString("H"), QString("AHS")}) {
            cal.consultas = 0;
            const OpcionesDias o = Opciones(op);
            QCOMPARE(Texto(NumDiasHabiles(fecha, n, o, cal.Consulta())),
                     Texto(Referencia::NumDiasHabiles(fecha, n, o, cal.EsFestivo())));
            QVERIFY2(cal.consultas <= 8, qPrintable(QString::number(cal.consultas)));
        }
    }
}

void TestDias::indice_data()
{
    QTest::addColumn<QString>("desde");
    QTest::addColumn<QString>("hasta");
    QTest::addColumn<QList<int>>("semana"); // domingo .. sábado
    QTest::addColumn<QStringList>("lista");

    QTest::newRow("todos") << "25/12/2023" << "07/01/2024" << QList<int>{1, 2, 0, 0, 0, 0, 1}
                           << QStringList{"25/12/2023", "01/01/2024", "06/01/2024", "07/01/2024"};
    QTest::newRow("sin el primero ni el último") << "26/12/2023" << "06/01/2024" << QList<int>{0, 1, 0, 0, 0, 0, 1}
                                                 << QStringList{"01/01/2024", "06/01/2024"};
    QTest::newRow("sábado repetido, un día") << "06/01/2024" << "06/01/2024" << QList<int>{0, 0, 0, 0, 0, 0, 1}
                                             << QStringList{"06/01/2024"};
    QTest::newRow("antes de todos") << "01/12/2023" << "24/12/2023" << QList<int>(7, 0) << QStringList{};
    QTest::newRow("después de todos") << "08/01/2024" << "31/12/2024" << QList<int>(7, 0) << QStringList{};
    QTest::newRow("entre dos festivos") << "26/12/2023" << "31/12/2023" << QList<int>(7, 0) << QStringList{};
    QTest::newRow("invertido") << "07/01/2024" << "25/12/2023" << QList<int>(7, 0) << QStringList{};
}

// Dates given unsorted and repeated, Saturdays and Sundays among them.
void TestDias::indice()
{
    QFETCH(QString, desde);
    QFETCH(QString, hasta);
    QFETCH(QList<int>, semana);
    QFETCH(QStringList, lista);
    IndiceFestivos indice;
    indice.Cargar({Serial("06/01/2024"), Serial("01/01/2024"), Serial("07/01/2024"), Serial("06/01/2024"),
                   Serial("25/12/2023")});
    QCOMPARE(Semana(indice.Contar(Serial(desde), Serial(hasta))), semana);
    QCOMPARE(Semana(indice.Conteo()(Serial(desde), Serial(hasta))), semana);
    QStringList dias;
    for (const int d : indice.Consulta()(Serial(desde), Serial(hasta)))
        dias << Texto(d);
    QCOMPARE(dias, lista);
}

// Loading again replaces the holidays; an empty index answers as a calendar
// with no rows, with no lookup at all.
void TestDias::indiceRecargado()
{
    IndiceFestivos indice;
    QVERIFY(!indice.Conteo());
    indice.Cargar({Serial("02/01/2024")});
    const OpcionesDias h = Opciones("AH");
    QCOMPARE(CalcularDias(Serial("01/01/2024"), Serial("07/01/2024"), h, indice.Conteo()), 5);
    indice.Cargar({Serial("03/01/2024"), Serial("04/01/2024")});
    QCOMPARE(CalcularDias(Serial("01/01/2024"), Serial("07/01/2024"), h, indice.Conteo()), 4);
    indice.Cargar({});
    QVERIFY(indice.Vacio());
    QVERIFY(!indice.Conteo());
    QVERIFY(!indice.Consulta());
    QCOMPARE(CalcularDias(Serial("01/01/2024"), Serial("07/01/2024"), h, indice.Conteo()), 6);
}

void TestDias::aleatorio_data()
{
    QTest::addColumn<QString>("opciones");
    QTest::addColumn<QString>("calendario");

    const char *calendarios[] = {"sin filas", "sin festivos", "disperso", "denso con repetidos",
                                 "desordenado con repetidos"};
    for (const char *cal : calendarios)
        for (int bits = 0; bits < 8; ++bits) {
            const QString op = QString(bits & 1 ? "A" : "") + (bits & 2 ? "H" : "") + (bits & 4 ? "S" : "");
            QTest::addRow("%s, opciones '%s'", cal, qPrintable(op)) << op << QString(cal);
        }
}

// Arithmetic and day-by-day walk agree on random periods, both orders, and on
// random dates a number of days away.
void TestDias::aleatorio()
{
    QFETCH(QString, opciones);
    QFETCH(QString, calendario);
    QRandomGenerator azar(0x7a11 + qHash(opciones) + qHash(calendario));
    const OpcionesDias o = Opciones(opciones);

    const int primero = Serial("01/01/1988");
    const int ultimo = Serial("31/12/2036");
    Calendario cal;
    if (calendario == "sin filas") {
        cal = Calendario::SinFilas();
    } else if (calendario != "sin festivos") {
        const bool denso = calendario.startsWith("denso");
        for (int d = primero; d <= ultimo; ++d) {
            if (azar.bounded(denso ? 3 : 30) != 0)
                continue;
            cal.dias.push_back(d);
            if (azar.bounded(8) == 0)
                cal.dias.push_back(d);
        }
        cal.desordenado = calendario.startsWith("desordenado");
    }
    const ConsultaFestivos consulta = cal.Consulta();
    const Referencia::EsFestivo esFestivo = cal.EsFestivo();
    // The same holidays held in memory, as the benchmark and a cached
    // calendar count them.
    IndiceFestivos indice;
    if (cal.conFilas)
        indice.Cargar(cal.dias);
    const ConteoFestivos conteo = indice.Conteo();

    const int inicioMin = Serial("01/01/1990");
    const int inicioMax = Serial("31/12/2030");
    for (int i = 0; i < 100; ++i) {
        const int a = azar.bounded(inicioMin, inicioMax + 1);
        const int clase = azar.bounded(10);
        const int largo = clase < 4 ? azar.bounded(14) : azar.bounded(clase < 7 ? 400 : 1500);
        const int b = a + largo;
        const int magnitudes[] = {1, 2, azar.bounded(3, 60), azar.bounded(60, 1000), azar.bounded(1000, 3000)};
        const int n = magnitudes[azar.bounded(5)] * (azar.bounded(2) ? 1 : -1);
        const QString caso = QStringLiteral("%1 .. %2, n = %3, opciones '%4'")
                                 .arg(Texto(a), Texto(b)).arg(n).arg(Letras(o));

        const int dias = Referencia::CalcularDias(a, b, o, esFestivo);
        QVERIFY2(CalcularDias(a, b, o, consulta) == dias, qPrintable(caso));
        QVERIFY2(CalcularDias(b, a, o, consulta) == dias, qPrintable(caso));
        QVERIFY2(DiasHabiles(a, b, o, consulta) == Referencia::DiasHabiles(a, b, o, esFestivo),
                 qPrintable(caso));
        const ContadorSemana semana = Referencia::NumDiasSem(a, b, o, esFestivo);
        QVERIFY2(NumDiasSem(a, b, o, consulta) == semana, qPrintable(caso));
        QVERIFY2(NumDiasSem(b, a, o, consulta) == semana, qPrintable(caso));
        QVERIFY2(CalcularFecha(b, n, o, consulta) == Referencia::CalcularFecha(b, n, o, esFestivo),
                 qPrintable(caso));
        QVERIFY2(NumDiasHabiles(a, n, o, consulta) == Referencia::NumDiasHabiles(a, n, o, esFestivo),
                 qPrintable(caso));

        QVERIFY2(CalcularDias(b, a, o, conteo) == dias, qPrintable(caso));
        QVERIFY2(DiasHabiles(a, b, o, conteo) == Referencia::DiasHabiles(a, b, o, esFestivo),
                 qPrintable(caso));
        QVERIFY2(NumDiasSem(b, a, o, conteo) == semana, qPrintable(caso));
        QVERIFY2(NumDiasHabiles(b, n, o, indice.Consulta()) == Referencia::NumDiasHabiles(b, n, o, esFestivo),
                 qPrintable(caso));
    }
    for (const auto &[desde, hasta] : cal.rangos)
        QVERIFY2(desde <= hasta, qPrintable(Texto(desde) + " > " + Texto(hasta)));
}

QTEST_APPLESS_MAIN(TestDias)
#include "test_dias.moc"
