#pragma once
// The user's settings: one field per stored value, with the defaults a first
// start gets. Persistence lives in the data module; this is plain data.

#include <QString>
#include <array>

struct Configuracion {
    QString Version;
    QString Provincia = QStringLiteral("07");
    QString Provincia2 = QStringLiteral("07");
    int ModoIni = 0;
    std::array<double, 5> Memorias{};     // M1..M5
    std::array<QString, 5> MemoriasFecha; // M6..M10
    int MaxDigitos = 14;
    int MaxDecimales = 8;
    int NumDecimales = 2;
    bool DiasHab = false;
    bool Sabadosno = false;
    bool AmbosInc = true;
    bool DMA = false;
    bool GuardarSalir = true;
    bool AlarmaSonora = true;
    QString Calendario = QStringLiteral("Calendar.udb");
    QString DirCalendar;
    QString MRedondeo = QStringLiteral("5");
    bool MascaraFecha = true;
    int Left = 190;
    int Top = 75;
    bool Avisos = true;
    bool VerBarraTareas = true;
    bool PorcenAcum = false;
    bool HabAnota = true;
    bool ImpNotas = true;
    bool BotPPP = true;
    bool FijaDec = false;
    bool AlarmaDia = false;
    bool InicioAutomatico = false;
    bool Minimizado = true;
    bool VerIcono = false;
    int VecesAlarma = 3;
    int NSonido = 1;
    QString HoraAlarma = QStringLiteral("00:00");
    // Kept for the window's hidden "always visible" box; never stored.
    bool SiempreVisible = false;

    bool operator==(const Configuracion &) const = default;
};
