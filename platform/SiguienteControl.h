#pragma once
class QWidget;
// Moves the focus to the next control of w's window once the current event has finished.
void SiguienteControl(QWidget *w);
