// Drevalino: converts the Firebird databases of the Tarvolin suite's data folder to ODS 12.

#include "app/inicio/Programa.h"
#include "platform/forms/Application.h"

int main(int argc, char** argv) {
  UsarLocaleUtf8();
  TApplication aplicacion(argc, argv);
  return EjecutarDrevalino(aplicacion);
}
