#pragma once
// A main window on the offscreen platform with a scripted desktop behind it.

#include "Calculadora.h"
#include "InterfazFalsa.h"
#include "MDatos.h"

#include <QApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <type_traits>

struct Banco {
    InterfazFalsa ui; // outlives the data module that reports through it
    QTemporaryDir carpeta;
    TMD md;
    std::unique_ptr<TFormCalculadora> w;

    // Settings, autostart entry and calendars of a test never touch the user's own.
    static TMD::Ubicaciones UbicacionesEn(const QTemporaryDir &carpeta)
    {
        TMD::Ubicaciones u;
        const QString raiz = carpeta.path() + QLatin1Char('/');
        u.ajustes = raiz + QStringLiteral("config/Tallyra.conf");
        u.inicioSesion = raiz + QStringLiteral("autostart/tallyra.desktop");
        u.dirEjecutable = raiz + QStringLiteral("programa/");
        u.dirDatos = raiz + QStringLiteral("datos/");
        u.ejecutable = QStringLiteral("tallyra");
        return u;
    }

    // Creates and shows the window; ajustar may change the settings first,
    // or the whole data module when it takes a TMD.
    template <typename F>
    explicit Banco(F ajustar) : md(UbicacionesEn(carpeta))
    {
        md.DataModuleCreate(ui);
        if constexpr (std::is_invocable_v<F, TMD &>)
            ajustar(md);
        else
            ajustar(md.Campos);
        w.reset(TFormCalculadora::Crear(md, ui));
        w->show();
        QApplication::setActiveWindow(w.get());
        (void)QTest::qWaitForWindowActive(w.get());
    }
    Banco() : Banco([](Configuracion &) {}) {}

    // Types text as the user does; "\r" is Enter, "\x1b" Esc, "\b" Backspace.
    void Teclear(const QString &texto)
    {
        for (QChar c : texto) {
            QWidget *foco = QApplication::focusWidget() ? QApplication::focusWidget() : w.get();
            if (c == QLatin1Char('\r'))
                QTest::keyClick(foco, Qt::Key_Return);
            else if (c == QChar(27))
                QTest::keyClick(foco, Qt::Key_Escape);
            else if (c == QLatin1Char('\b'))
                QTest::keyClick(foco, Qt::Key_Backspace);
            else
                QTest::keyClick(foco, c.toLatin1());
        }
    }
    void Tecla(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QWidget *foco = QApplication::focusWidget() ? QApplication::focusWidget() : w.get();
        QTest::keyClick(foco, k, m);
    }

    static QStringList Lineas(const QListWidget *tira)
    {
        QStringList l;
        for (int i = 0; i < tira->count(); ++i)
            l << tira->item(i)->text();
        return l;
    }
    QStringList Tira() const { return Lineas(w->Papel); }
    QString Pantalla() const { return w->TextoPantalla->text(); }
};
