// Cost of a long calculator tape: 100 000 lines written one by one through
// TiraPapel, as a user who never clears the tape would produce them.
// Prints the time per line and the resident-memory growth per block, so a
// cost that grows with the tape length shows up as a rising column.

#include "Calculadora.h"
#include "InterfazFalsa.h"
#include "MDatos.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int kLlamadas = 100000;
constexpr int kBloque = 10000;

// VmRSS in kB, 0 when /proc is not there.
long ResidenteKB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &l : f.readAll().split('\n'))
        if (l.startsWith("VmRSS:"))
            return l.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

// Older data modules prepare themselves alone, newer ones report through
// the desktop; the benchmark builds against either.
template <typename M, typename U>
void PrepararModulo(M &md, U &ui)
{
    if constexpr (requires { md.DataModuleCreate(ui); })
        md.DataModuleCreate(ui);
    else
        md.DataModuleCreate();
}

} // namespace

int main(int argc, char *argv[])
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    // Never the user's own settings: their decimals or mask would change
    // what is formatted, and the run must not write them back.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    // A smaller count keeps a profiler run short: bench_tape 20000
    int llamadas = kLlamadas;
    if (argc > 1)
        llamadas = std::max(kBloque, QByteArray(argv[1]).toInt() / kBloque * kBloque);

    InterfazFalsa ui;
    TMD md;
    PrepararModulo(md, ui);
    TFormCalculadora *w = TFormCalculadora::Crear(md, ui);
    w->show();
    (void)QTest::qWaitForWindowExposed(w);
    QCoreApplication::processEvents();

    // Marks and magnitudes vary so the formatter and the item widths see
    // short and long numbers alike; the sequence is fixed for comparable runs.
    const QChar marcas[] = {QLatin1Char('+'), QLatin1Char('+'), QLatin1Char('-'), QLatin1Char('+'),
                            QLatin1Char(' '), QLatin1Char('-'), QLatin1Char('+'), QLatin1Char('T')};
    unsigned semilla = 12345;
    auto siguiente = [&semilla] { return semilla = semilla * 1103515245u + 12345u; };

    // A total writes its line and a blank one, so the tape grows a little
    // faster than the number of calls; every figure is per tape line.
    std::vector<double> usPorLinea;
    std::vector<double> mbPor10000;
    long rssAntes = ResidenteKB();
    int lineasAntes = w->Papel->count();
    const long rssInicial = rssAntes;
    const int lineasIniciales = lineasAntes;
    using Reloj = std::chrono::steady_clock;
    auto t0 = Reloj::now();

    std::printf("bloque  llamadas  lineas   us/linea   RSS(MB)  MB/10000 lineas\n");
    for (int i = 1; i <= llamadas; ++i) {
        const QChar marca = marcas[i % 8];
        const unsigned r = siguiente();
        double valor = (r % 1000000) / 100.0;
        if ((r >> 20) % 5 == 0)
            valor *= 10000.0;
        if (marca == QLatin1Char('-'))
            valor = -valor;
        w->TiraPapel(marca, valor);
        if (i % kBloque == 0) {
            const auto t1 = Reloj::now();
            const int lineas = w->Papel->count();
            const int nuevas = std::max(1, lineas - lineasAntes);
            const double us = std::chrono::duration<double, std::micro>(t1 - t0).count() / nuevas;
            const long rss = ResidenteKB();
            const double mb = (rss - rssAntes) / 1024.0 * 10000.0 / nuevas;
            usPorLinea.push_back(us);
            mbPor10000.push_back(mb);
            std::printf("%6d  %8d  %6d  %9.2f  %8.1f  %15.2f\n", i / kBloque, i, lineas, us, rss / 1024.0, mb);
            std::fflush(stdout);
            rssAntes = rss;
            lineasAntes = lineas;
            t0 = Reloj::now();
        }
    }

    const double peorUs = *std::max_element(usPorLinea.begin(), usPorLinea.end());
    const double peorMB = *std::max_element(mbPor10000.begin(), mbPor10000.end());
    const double pendiente = usPorLinea.back() / usPorLinea.front();
    std::printf("\nlineas en la tira: %d, avisos mostrados: %lld\n", w->Papel->count(),
                static_cast<long long>(ui.mensajes.size()));
    std::printf("tiempo por linea: primer bloque %.2f us, ultimo %.2f us, ultimo/primero %.2fx -> %s\n",
                usPorLinea.front(), usPorLinea.back(), pendiente,
                pendiente <= 1.5 ? "plano" : "CRECE con la longitud de la tira");
    std::printf("objetivo < 50 us/linea (peor bloque %.2f us): %s\n", peorUs, peorUs < 50 ? "CUMPLE" : "NO CUMPLE");
    // The first block also pays for one-time caches (glyphs, the notices),
    // so the goal is judged on the growth over the whole run.
    const double mediaMB = (ResidenteKB() - rssInicial) / 1024.0 * 10000.0
                           / std::max(1, w->Papel->count() - lineasIniciales);
    std::printf("objetivo < 3 MB por 10000 lineas (media %.2f MB, peor bloque %.2f MB): %s\n", mediaMB, peorMB,
                mediaMB < 3 ? "CUMPLE" : "NO CUMPLE");
    delete w;
    return 0;
}
