#pragma once
// The small modal prompt of the main window: a new value for a tape line, a
// formula, an alarm time or a countdown duration, chosen by a mode word.
// Only the time entries are checked here; the caller interprets the rest.
//
// Calling sequence: create it, setWindowTitle, set Modo, then Mensaje's
// caption (time modes) or Edit3's text (edit modes); run it through
// Interfaz::Modal; read Resultado (empty when cancelled); free it.

#include <QDialog>
#include <QFrame>
#include <QString>
#include <QTime>
#include <functional>

class Interfaz;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

class TFormEntrada : public QDialog {
    Q_OBJECT

public:
    // A panel with the help topic F1 opens while it is shown.
    class Panel : public QFrame {
    public:
        using QFrame::QFrame;
        int HelpContext = 0;
    };

    using Reloj = std::function<QTime()>;

    explicit TFormEntrada(Interfaz &ui, QWidget *parent = nullptr, Reloj reloj = &QTime::currentTime);

    // "modsum", "modsum1", "expresion", "alarma", "alarma2", "cuentaatras"
    // or "cuentaatras2"; set by the caller before showing.
    QString Modo;
    // The answer, read after the dialog has closed; empty when cancelled.
    QString Resultado;

    Panel *PanelHoras;
    QToolButton *b5;
    QToolButton *b15;
    QToolButton *b30;
    QSpinBox *SpinEdit1;
    QLabel *Mensaje;
    QLineEdit *Edit1;

    Panel *PanelExpresion;
    QLabel *Label1;
    QLabel *Mensaje0;
    QLineEdit *Edit2;

    Panel *PanelEdicion;
    QLabel *Label2;
    QLineEdit *Edit3;

    QPushButton *BotOK;
    QPushButton *botAnular;

    void FormCreate();
    void FormShow();
    void FormClose();
    // Takes the answer of the shown panel; a bad time is reported through
    // the error box and the dialog stays open.
    void BotOKClick();
    void botAnularClick();
    void b5Click();
    void b15Click();
    void b30Click();
    void SpinEdit1Change();
    // A typed "." (or the keypad's ",") becomes ":"; true when it changed Key.
    bool Edit1KeyPress(QChar &Key);
    void Edit1Change();
    void Edit2Change();
    void Edit3Change();

    // Closing by any way runs FormClose once the answer has been taken.
    void done(int r) override;
    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    bool ModoHoras() const;
    bool ModoCuentaAtras() const;
    void BotonRapido(int minutos);
    void BotonPorDefecto(const QLineEdit *campo);

    Interfaz &ui_;
    Reloj reloj_;
};
