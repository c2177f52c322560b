// Cost of one business-day count against the national calendar, for
// periods of 1, 10 and 100 years and for a date 1000 business days away.
//
//   bench_dias CALENDARIO.udb
//
// Each row is timed three ways: (a) with the holidays already in memory in
// an IndiceFestivos, so a count is two binary searches, (b) with a query to
// the SQLite calendar store on every call, as the window makes it (holidays
// counted per weekday by SQLite; for a date some business days away, the
// holidays listed), and (c) with no
// calendar at all, the weekday arithmetic alone. Prints one line per row,
// tab-separated, for bench/dias.sh:
//   clave  tipo  sabadosNo  desde  hasta-o-n  resultado  ns(a)  ns(b)  ns(c)
// The same period in every call, as a user repeating one calculation.

#include "BaseCalendario.h"
#include "Dias.h"
#include "IndiceFestivos.h"
#include "FechaHora.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

// Nanoseconds per call of f: the best of five rounds, each long enough
// (about 0.1 s) for the clock's resolution not to matter.
double NsPorLlamada(const std::function<int()> &f)
{
    using Reloj = std::chrono::steady_clock;
    long long n = 1;
    volatile int sumidero = 0;
    for (;;) {
        const auto t0 = Reloj::now();
        for (long long i = 0; i < n; ++i)
            sumidero = sumidero + f();
        if (Reloj::now() - t0 > std::chrono::milliseconds(100))
            break;
        n *= 2;
    }
    double mejor = 1e300;
    for (int ronda = 0; ronda < 5; ++ronda) {
        const auto t0 = Reloj::now();
        for (long long i = 0; i < n; ++i)
            sumidero = sumidero + f();
        const double ns = std::chrono::duration<double, std::nano>(Reloj::now() - t0).count() / n;
        mejor = std::min(mejor, ns);
    }
    return mejor;
}

int Serial(int anio, int mes, int dia)
{
    return int(Funcion::FechaASerial(QDate(anio, mes, dia)));
}

} // namespace

int main(int argc, char *argv[])
{
    // Qt SQL finds its driver plugins through the application object.
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: bench_dias CALENDARIO.udb\n");
        return 2;
    }
    const QFileInfo fichero(QString::fromLocal8Bit(argv[1]));
    BaseCalendario base;
    try {
        base.FijarNombre(fichero.fileName());
        base.FijarDirectorio(fichero.absolutePath());
        base.Conectar();
        base.Abrir();
    } catch (const ErrorCalendario &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Mensaje()));
        return 1;
    }

    std::vector<int> todos;
    for (const Festivo &f : base.Festivos(kPrimerDia, kUltimoDia))
        todos.push_back(int(f.fecha));
    IndiceFestivos indice;
    indice.Cargar(todos);
    const ConteoFestivos memoria = indice.Conteo();
    const ConsultaFestivos memoriaLista = indice.Consulta();
    // As the window asks the calendar: counts per weekday for a period, the
    // list of holidays for a date some business days away.
    const ConteoFestivos sqlite = [&base](int desde, int hasta) {
        return ContadorSemanaDe(base.FestivosPorDiaSemana(desde, hasta));
    };
    const ConsultaFestivos sqliteLista = [&base](int desde, int hasta) {
        std::vector<int> dias;
        for (const Festivo &f : base.Festivos(desde, hasta))
            dias.push_back(int(f.fecha));
        return dias;
    };
    std::fprintf(stderr, "calendario %s: %zu festivos\n", argv[1], todos.size());

    const int inicio = Serial(2000, 1, 1);
    const int fechaSuma = Serial(2010, 6, 15);
    for (const bool sabadosNo : {true, false}) {
        OpcionesDias o;
        o.habiles = true;
        o.sabadosNo = sabadosNo;
        const std::string semana = sabadosNo ? "L-V" : "L-S";
        for (const int anios : {1, 10, 100}) {
            const int fin = Serial(2000 + anios, 1, 1);
            auto contar = [&](const auto &f) {
                return std::function<int()>([&, f] { return DiasHabiles(inicio, fin, o, f); });
            };
            const int resultado = DiasHabiles(inicio, fin, o, memoria);
            if (resultado != DiasHabiles(inicio, fin, o, sqlite)) {
                std::fprintf(stderr, "memoria y SQLite no coinciden en %d años\n", anios);
                return 1;
            }
            std::printf("%d %s %s\tcuenta\t%d\t%d\t%d\t%d\t%.1f\t%.1f\t%.1f\n", anios, anios == 1 ? "año" : "años",
                        semana.c_str(), int(sabadosNo), inicio, fin, resultado, NsPorLlamada(contar(memoria)),
                        NsPorLlamada(contar(sqlite)), NsPorLlamada(contar(ConteoFestivos{})));
            std::fflush(stdout);
        }
        const int n = 1000;
        auto sumar = [&](const ConsultaFestivos &f) {
            return std::function<int()>([&, f] { return NumDiasHabiles(fechaSuma, n, o, f); });
        };
        const int resultado = NumDiasHabiles(fechaSuma, n, o, memoriaLista);
        if (resultado != NumDiasHabiles(fechaSuma, n, o, sqliteLista)) {
            std::fprintf(stderr, "memoria y SQLite no coinciden en +%d hábiles\n", n);
            return 1;
        }
        std::printf("+%d hábiles %s\tsuma\t%d\t%d\t%d\t%d\t%.1f\t%.1f\t%.1f\n", n, semana.c_str(),
                    int(sabadosNo), fechaSuma, n, resultado, NsPorLlamada(sumar(memoriaLista)),
                    NsPorLlamada(sumar(sqliteLista)), NsPorLlamada(sumar({})));
        std::fflush(stdout);
    }
    return 0;
}
