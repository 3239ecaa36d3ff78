#pragma once

// Windows of other programs on the X display.

#include <QStringList>

// Brings forward a window of another program on the X display that DISPLAY names: the first client window
// whose WM_CLASS (instance or class, ignoring case) is one of AProgramas is shown again when it was minimised
// or hidden, raised to the top and activated. False when there is no X display or no such window; under
// Wayland only the programs that run through XWayland are seen.
bool TraerAlFrenteVentanaX11(const QStringList& AProgramas);
