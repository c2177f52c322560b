// The settings store: its reading rules, its file and what it does with a
// file it cannot read.

#include "Registro.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <limits>

class TestRegistro : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;
    QString ruta;

    void Poner(const QByteArray &contenido, const QString &donde = {})
    {
        QFile f(donde.isEmpty() ? ruta : donde);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenido);
    }
    static QByteArray Contenido(const QString &donde)
    {
        QFile f(donde);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no existe>");
    }

private slots:
    void init()
    {
        QVERIFY(tmp.isValid());
        ruta = tmp.filePath(QStringLiteral("ajustes/Tallyra.conf"));
        QDir(tmp.path()).removeRecursively();
        QDir().mkpath(tmp.filePath(QStringLiteral("ajustes")));
    }

    // How one stored value reads as each kind; fallo means the read throws.
    void leer_data()
    {
        QTest::addColumn<QByteArray>("linea");
        QTest::addColumn<QString>("como");
        QTest::addColumn<bool>("fallo");
        QTest::addColumn<QVariant>("esperado");

        QTest::newRow("texto") << QByteArray(R"("V"="07")") << "texto" << false << QVariant(QStringLiteral("07"));
        QTest::newRow("texto ausente es vacío") << QByteArray() << "texto" << false << QVariant(QString());
        QTest::newRow("texto expandible") << QByteArray(R"("V"=expand:"%x%")") << "texto" << false
                                          << QVariant(QStringLiteral("%x%"));
        QTest::newRow("texto guardado como entero") << QByteArray("\"V\"=dword:00000007") << "texto" << true << QVariant();
        QTest::newRow("texto guardado como binario") << QByteArray("\"V\"=hex:30") << "texto" << true << QVariant();
        QTest::newRow("nombre sin distinguir mayúsculas") << QByteArray(R"("v"="x")") << "texto" << false
                                                          << QVariant(QStringLiteral("x"));

        QTest::newRow("entero") << QByteArray("\"V\"=dword:0000000e") << "entero" << false << QVariant(14);
        QTest::newRow("entero negativo") << QByteArray("\"V\"=dword:fffffffb") << "entero" << false << QVariant(-5);
        QTest::newRow("entero ausente") << QByteArray() << "entero" << true << QVariant();
        QTest::newRow("entero guardado como texto") << QByteArray(R"("V"="14")") << "entero" << true << QVariant();

        QTest::newRow("booleano 0") << QByteArray("\"V\"=dword:00000000") << "booleano" << false << QVariant(false);
        QTest::newRow("booleano no 0") << QByteArray("\"V\"=dword:00000002") << "booleano" << false << QVariant(true);
        QTest::newRow("booleano ausente") << QByteArray() << "booleano" << true << QVariant();
        QTest::newRow("booleano guardado como texto") << QByteArray(R"("V"="1")") << "booleano" << true << QVariant();

        QTest::newRow("real 8 bytes") << QByteArray("\"V\"=hex:00,00,00,00,00,00,f8,3f") << "real" << false
                                      << QVariant(1.5);
        QTest::newRow("real de 7 bytes") << QByteArray("\"V\"=hex:00,00,00,00,00,f8,3f") << "real" << true << QVariant();
        QTest::newRow("real de 9 bytes") << QByteArray("\"V\"=hex:00,00,00,00,00,00,f8,3f,00") << "real" << true
                                         << QVariant();
        QTest::newRow("real ausente") << QByteArray() << "real" << true << QVariant();
        QTest::newRow("real guardado como entero") << QByteArray("\"V\"=dword:00000001") << "real" << true << QVariant();
    }
    void leer()
    {
        QFETCH(QByteArray, linea);
        QFETCH(QString, como);
        QFETCH(bool, fallo);
        QFETCH(QVariant, esperado);
        Poner("[Tallyra]\n" + linea + "\n");
        Registro r(ruta);
        QCOMPARE(r.Cargar(), Registro::Estado::Leido);

        QVariant leido;
        bool fallado = false;
        try {
            if (como == QLatin1String("texto"))
                leido = r.LeerTexto(QStringLiteral("V"));
            else if (como == QLatin1String("entero"))
                leido = r.LeerEntero(QStringLiteral("V"));
            else if (como == QLatin1String("booleano"))
                leido = r.LeerBooleano(QStringLiteral("V"));
            else
                leido = r.LeerReal(QStringLiteral("V"));
        } catch (const ErrorRegistro &e) {
            fallado = true;
            QCOMPARE(e.Mensaje(), QStringLiteral("Invalid data type for 'V'"));
        }
        QCOMPARE(fallado, fallo);
        if (!fallo)
            QCOMPARE(leido, esperado);
    }

    // What is written is what is read back, through the file, and the file
    // stays readable by a person.
    void idaYVuelta()
    {
        const QString raro = QStringLiteral("comillas \" barra \\ salto\n\rtab\t ñ € fin");
        const double reales[] = {0.1, -1e300, std::numeric_limits<double>::denorm_min(), -0.0};
        {
            Registro r(ruta);
            QCOMPARE(r.Cargar(), Registro::Estado::Nuevo);
            r.EscribirTexto(QStringLiteral("Raro"), raro);
            r.EscribirTexto(QStringLiteral("Vacio"), QString());
            r.EscribirEntero(QStringLiteral("Left"), -5);
            r.EscribirEntero(QStringLiteral("Max"), std::numeric_limits<qint32>::max());
            r.EscribirBooleano(QStringLiteral("Si"), true);
            for (int i = 0; i < 4; ++i)
                r.EscribirReal(QStringLiteral("R%1").arg(i), reales[i]);
            r.EscribirBinario(QStringLiteral("Nada"), QByteArray());
            r.EscribirTexto(QStringLiteral("left"), QStringLiteral("ahora texto")); // replaces Left where it stands
            r.Guardar();
        }
        Registro r(ruta);
        QCOMPARE(r.Cargar(), Registro::Estado::Leido);
        QCOMPARE(r.Nombres(), QStringList({"Raro", "Vacio", "left", "Max", "Si", "R0", "R1", "R2", "R3", "Nada"}));
        QCOMPARE(r.LeerTexto(QStringLiteral("Raro")), raro);
        QCOMPARE(r.LeerTexto(QStringLiteral("Vacio")), QString());
        QVERIFY(r.ExisteValor(QStringLiteral("Vacio")));
        QCOMPARE(r.LeerTexto(QStringLiteral("Left")), QStringLiteral("ahora texto"));
        QCOMPARE(r.LeerEntero(QStringLiteral("Max")), std::numeric_limits<qint32>::max());
        QCOMPARE(r.LeerBooleano(QStringLiteral("Si")), true);
        for (int i = 0; i < 4; ++i) {
            const double leido = r.LeerReal(QStringLiteral("R%1").arg(i));
            QCOMPARE(std::bit_cast<quint64>(leido), std::bit_cast<quint64>(reales[i]));
        }
        QCOMPARE(r.LeerBinario(QStringLiteral("Nada")), QByteArray());

        const QByteArray texto = Contenido(ruta);
        QVERIFY(texto.startsWith("[Tallyra]\n\"Raro\"=\"comillas \\\" barra \\\\ salto\\n\\rtab\\t ñ € fin\"\n"));
        QVERIFY(texto.contains("\n\"Max\"=dword:7fffffff\n"));
        QVERIFY(texto.contains("\n\"R0\"=hex:9a,99,99,99,99,99,b9,3f\n")); // 0.1, low byte first
        QVERIFY(texto.endsWith("\n\"Nada\"=hex:\n"));
    }

    // The installer's directory lives in the unnamed value, which the store
    // keeps across a rewrite.
    void valorSinNombre()
    {
        Poner("[Tallyra]\n@=\"/opt/tallyra\"\n\"A\"=dword:00000001\n");
        {
            Registro r(ruta);
            QCOMPARE(r.Cargar(), Registro::Estado::Leido);
            QCOMPARE(r.LeerTexto(QString()), QStringLiteral("/opt/tallyra"));
            r.EscribirEntero(QStringLiteral("A"), 2);
            r.Guardar();
        }
        QCOMPARE(Contenido(ruta), QByteArray("[Tallyra]\n@=\"/opt/tallyra\"\n\"A\"=dword:00000002\n"));
    }

    void analizar_data()
    {
        QTest::addColumn<QByteArray>("contenido");
        QTest::addColumn<bool>("danado");
        QTest::addColumn<QStringList>("nombres");

        QTest::newRow("vacío") << QByteArray() << true << QStringList();
        QTest::newRow("sin cabecera") << QByteArray("\"A\"=\"x\"\n") << true << QStringList();
        QTest::newRow("otra cabecera") << QByteArray("[Otro]\n\"A\"=\"x\"\n") << true << QStringList();
        QTest::newRow("cortado a media línea") << QByteArray("[Tallyra]\n\"A\"=\"x\"\n\"Provincia\"=\"0") << true
                                               << QStringList();
        QTest::newRow("cortado en el nombre") << QByteArray("[Tallyra]\n\"A\"=\"x\"\n\"Provi") << true << QStringList();
        QTest::newRow("sin igual") << QByteArray("[Tallyra]\n\"A\" \"x\"\n") << true << QStringList();
        QTest::newRow("tipo desconocido") << QByteArray("[Tallyra]\n\"A\"=qword:1\n") << true << QStringList();
        QTest::newRow("dword no hexadecimal") << QByteArray("[Tallyra]\n\"A\"=dword:00x0\n") << true << QStringList();
        QTest::newRow("dword de 9 cifras") << QByteArray("[Tallyra]\n\"A\"=dword:000000001\n") << true << QStringList();
        QTest::newRow("dword vacío") << QByteArray("[Tallyra]\n\"A\"=dword:\n") << true << QStringList();
        QTest::newRow("octeto de una cifra") << QByteArray("[Tallyra]\n\"A\"=hex:00,0\n") << true << QStringList();
        QTest::newRow("coma sobrante") << QByteArray("[Tallyra]\n\"A\"=hex:00,\n") << true << QStringList();
        QTest::newRow("escape desconocido") << QByteArray("[Tallyra]\n\"A\"=\"a\\qb\"\n") << true << QStringList();
        QTest::newRow("basura tras el texto") << QByteArray("[Tallyra]\n\"A\"=\"x\" y\n") << true << QStringList();
        QTest::newRow("no es UTF-8") << QByteArray("[Tallyra]\n\"A\"=\"\xff\xfe\"\n") << true << QStringList();
        QTest::newRow("binario cualquiera") << QByteArray("\x00\x01\x02\x03", 4) << true << QStringList();

        QTest::newRow("comentarios y líneas en blanco")
            << QByteArray("[Tallyra]\n; nota\n\n\"A\"=\"x\"\n   \n") << false << QStringList({"A"});
        QTest::newRow("finales CRLF") << QByteArray("[Tallyra]\r\n\"A\"=\"x\"\r\n\"B\"=dword:1\r\n") << false
                                      << QStringList({"A", "B"});
        QTest::newRow("sin salto final") << QByteArray("[Tallyra]\n\"A\"=\"x\"") << false << QStringList({"A"});
        QTest::newRow("nombre repetido: vale el último")
            << QByteArray("[Tallyra]\n\"A\"=\"x\"\n\"B\"=\"y\"\n\"a\"=dword:1\n") << false << QStringList({"a", "B"});
        QTest::newRow("sólo la cabecera") << QByteArray("[Tallyra]\n") << false << QStringList();
    }
    // A damaged file is kept whole as .bak; the store starts empty and its
    // first write replaces the damaged file.
    void analizar()
    {
        QFETCH(QByteArray, contenido);
        QFETCH(bool, danado);
        QFETCH(QStringList, nombres);
        Poner(contenido);
        Registro r(ruta);
        QCOMPARE(r.Cargar(), danado ? Registro::Estado::Danado : Registro::Estado::Leido);
        QCOMPARE(r.Nombres(), nombres);
        const QString bak = ruta + QStringLiteral(".bak");
        if (!danado) {
            QVERIFY(!QFile::exists(bak));
            return;
        }
        QCOMPARE(Contenido(bak), contenido);
        QCOMPARE(Contenido(ruta), contenido); // nothing replaced yet
        r.EscribirTexto(QStringLiteral("Nuevo"), QStringLiteral("1"));
        r.Guardar();
        QCOMPARE(Contenido(ruta), QByteArray("[Tallyra]\n\"Nuevo\"=\"1\"\n"));
        QCOMPARE(Contenido(bak), contenido);
    }

    void danadoSinCopiaNoSeSobrescribe()
    {
        Poner("basura");
        QVERIFY(QDir().mkpath(ruta + QStringLiteral(".bak"))); // the copy cannot be made
        Registro r(ruta);
        QCOMPARE(r.Cargar(), Registro::Estado::Danado);
        r.EscribirEntero(QStringLiteral("GuardarSalir"), 1);
        try {
            r.Guardar();
            QFAIL("the damaged file was overwritten without its copy");
        } catch (const ErrorRegistro &e) {
            QCOMPARE(e.Mensaje(), QStringLiteral("Failed to set data for 'GuardarSalir'"));
        }
        QCOMPARE(Contenido(ruta), QByteArray("basura"));
    }

    // A write that cannot reach the disk fails whole and names the first
    // value it could not set.
    void guardarFalla()
    {
        const QString estorbo = tmp.filePath(QStringLiteral("estorbo"));
        Poner("no soy un directorio", estorbo);
        Registro r(estorbo + QStringLiteral("/Tallyra.conf"));
        QCOMPARE(r.Cargar(), Registro::Estado::Nuevo);
        r.EscribirTexto(QStringLiteral("Version"), QStringLiteral("1.20"));
        r.EscribirTexto(QStringLiteral("Provincia"), QStringLiteral("07"));
        try {
            r.Guardar();
            QFAIL("the write should have failed");
        } catch (const ErrorRegistro &e) {
            QCOMPARE(e.Mensaje(), QStringLiteral("Failed to set data for 'Version'"));
        }
        QCOMPARE(Contenido(estorbo), QByteArray("no soy un directorio"));
    }
};

QTEST_GUILESS_MAIN(TestRegistro)
#include "test_registro.moc"
