#pragma once

// The application of the control-library tests, with the library started.

#include "fixtures/AplicacionDePrueba.h"

// The base of control tests: the test application exists and the library's start-up has run.
class PruebaDeControles : public PruebaDeVentanas {
 protected:
  PruebaDeControles();
};
