#pragma once
// A label that reports clicks and mouse moves, for the mode labels and displays.

#include <QLabel>
#include <QMouseEvent>

class EtiquetaPulsable : public QLabel {
    Q_OBJECT
public:
    explicit EtiquetaPulsable(const QString &texto, QWidget *parent = nullptr) : QLabel(texto, parent)
    {
        setMouseTracking(true);
    }

signals:
    void pulsada();
    void movida();

protected:
    void mousePressEvent(QMouseEvent *ev) override
    {
        if (ev->button() == Qt::LeftButton)
            emit pulsada();
        QLabel::mousePressEvent(ev);
    }
    void mouseMoveEvent(QMouseEvent *ev) override
    {
        emit movida();
        QLabel::mouseMoveEvent(ev);
    }
};
