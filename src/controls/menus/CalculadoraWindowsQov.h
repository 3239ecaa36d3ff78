#pragma once

// The system's calculator, opened from the context menus.

#include <QStringList>

// The calculators looked for on the search path, in order.
extern const QStringList CalculadorasDelSistema;

// Starts the first calculator of CalculadorasDelSistema found on the search path, unless one of them is
// already open on the X display, whoever started it (it is then restored and brought to the front), or the
// one this process started is still running. Shows its own error box when no calculator is found or it
// cannot be started.
void AbrirCalculadoraWindows();
