#pragma once

// The system's calculator, opened from the context menus.

#include <QStringList>

// The calculators looked for on the search path, in order.
extern const QStringList CalculadorasDelSistema;

// Starts the first calculator of CalculadorasDelSistema found on the search path, unless the one it
// started before is still running (a window of another program cannot be brought forward here, so it is
// left as it is). Shows its own error box when no calculator is found or it cannot be started.
void AbrirCalculadoraWindows();
