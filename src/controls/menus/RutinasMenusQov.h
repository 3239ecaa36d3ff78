#pragma once

// Routines that the context menus and the grids share: a synthesised key press, the context help of a
// control, and starting a program.

#include <QObject>
#include <QString>

#include "platform/forms/VirtualKeys.h"

class TForm;

// Queues one press and release of AKey with the named modifiers, as the keyboard would: Ctrl, Shift and
// Alt go down (in that order) before the key, and up in the reverse order after it. The keys reach
// whatever takes keys when their turn comes (an opening menu, else the focused control). AExtended has
// no meaning here: keys carry no extended flag.
void SimularTecla(int AKey, TShiftState AShift, bool AExtended);

// Asks the application for the help topic of the control (its published HelpContext). Nothing happens
// when the control is null or does not publish one. AForma is the form that holds the control.
void MostrarAyudaContexto(TForm* AForma, QObject* AControl);

// Starts a program from a command line: the first word is the program, the others its arguments (double
// quotes group words; no shell parses the line), in the working folder; with AEspera it waits for the
// program to end. AModo (the show mode 0 to 11) is not used: the program shows its windows as it does.
// True when the program started.
bool EjecutarPrograma(const QString& ALineaComando, const QString& ACarpeta, int AModo, bool AEspera);
