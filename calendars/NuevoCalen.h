#pragma once
// The dialog that makes a new calendar file from the current one, as a full
// copy or as an empty table, and makes it the current calendar.

#include <QDialog>
#include <QString>

class BaseCalendario;
class Interfaz;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The two settings the dialog reads and changes: the current calendar's
// file name and the folder calendars live in.
struct AjustesCalendario {
    QString &Calendario;
    QString &DirCalendar;
};

class TFormNuevoCalen : public QDialog {
    Q_OBJECT

public:
    TFormNuevoCalen(Interfaz &ui, BaseCalendario &BD, AjustesCalendario ajustes, QWidget *parent = nullptr);

    // The current calendar's file name, set by the caller before showing.
    QString CalendarioActual;

    QLabel *Label1;
    QLineEdit *Nombre;
    QLabel *Label2;
    QLabel *LNomCalendar;
    QGroupBox *Seleccion;
    QRadioButton *CopiarDelActual;
    QRadioButton *EnBlanco;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

    void FormShow();
    // Validates the name and creates the calendar; on any failure the error
    // box says why and the dialog stays open.
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Rechazar(const QString &mensaje);
    bool Vaciar();

    Interfaz &ui_;
    BaseCalendario &BD;
    AjustesCalendario ajustes_;
};
