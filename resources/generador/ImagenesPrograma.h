#pragma once

// The program's own pictures: the three message-box pictures and the sign-in logo.

#include <QImage>

// The message-box pictures, 64 x 64 with alpha: a red disc with a cross, an amber triangle with an exclamation
// mark, a blue disc with an "i".
QImage ImagenError();
QImage ImagenAdvertencia();
QImage ImagenInformacion();
// The sign-in logo, 384 x 76: the suite's mark and name over a teal band. Needs an application object for its
// text.
QImage ImagenInicioSesion();
