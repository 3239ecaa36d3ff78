#pragma once

#include <gtest/gtest.h>

#include "BasesDePrueba.h"
#include "CallerDePrueba.h"
#include "CarpetaDatos.h"
#include "CarpetaTrabajo.h"
#include "ExcepcionesConverBD.h"

// A working folder whose gstat reports the fixtures' older databases as ODS 11.2, a realistic data folder
// with Config and three companies, an installed older server (the real gbak and isql) and an engine.
class ConversionDePrueba : public ::testing::Test {
 protected:
  ConversionDePrueba() { carpeta.UsarGstat(HerramientaDePrueba("gstat-ods11")); }

  QString Archivo(const QString& ANombre = {}) const { return datos.Ruta() + "ArchivarBDAnterior2019/" + ANombre; }
  QString Respaldos(const QString& ANombre = {}) const { return datos.Ruta() + "Respaldos/" + ANombre; }

  CarpetaTrabajo carpeta;
  CarpetaDatos datos{carpeta.Datos()};
  CallerDePrueba caller;
  TqovFirebirdProc proc;
  const QString gbak = InstalarServidorAnterior(carpeta.Raiz() + "/firebird anterior", HerramientaFirebird3("isql"));
};
