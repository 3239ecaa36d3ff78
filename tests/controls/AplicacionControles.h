#pragma once

// The application of the control-library tests, with the library started.

#include "fixtures/AplicacionDePrueba.h"

// The base of control tests: the test application exists, the library's start-up has run, and the user's
// settings (where the message dialogs read the main window's zoom) are in an empty folder of the tests' own.
class PruebaDeControles : public PruebaDeVentanas {
 protected:
  PruebaDeControles();
};
