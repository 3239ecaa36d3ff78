#include <gtest/gtest.h>

#include <QFile>

#include "fixtures/BasesDePrueba.h"
#include "fixtures/CallerDePrueba.h"
#include "fixtures/CarpetaTrabajo.h"

namespace {

class SondaOds12 : public ::testing::Test {
 protected:
  CarpetaTrabajo carpeta;
  CallerDePrueba caller;
};

TEST_F(SondaOds12, AnOds12DatabaseIsReportedOnceUnderItsName) {
  const QString bd = carpeta.Datos() + QStringLiteral("EMPRESA UNO.fdb");
  CrearBaseDatos(bd);
  TqovFirebirdProc proc;
  EXPECT_TRUE(proc.EsODS12(caller, bd, QStringLiteral("EMPRESA UNO")));
  EXPECT_EQ(caller.Convertidas, QStringList{QStringLiteral("EMPRESA UNO")});
  EXPECT_TRUE(caller.Mensajes.isEmpty());
  // gstat's report stays in the working folder.
  QFile reporte(carpeta.Trabajo() + QStringLiteral("/tempVer.txt"));
  ASSERT_TRUE(reporte.open(QIODevice::ReadOnly));
  EXPECT_TRUE(reporte.readAll().contains("ODS version\t\t12"));
}

TEST_F(SondaOds12, WhatIsNotFoundInOds12GivesFalseSilently) {
  const QString anterior = carpeta.Datos() + QStringLiteral("ANTERIOR.fdb");
  CrearBaseDatos(anterior);
  MarcarComoODS11(anterior);
  const QString actual = carpeta.Datos() + QStringLiteral("ACTUAL.fdb");
  CrearBaseDatos(actual);
  TqovFirebirdProc proc;
  EXPECT_FALSE(proc.EsODS12(caller, anterior, QStringLiteral("ANTERIOR")));
  EXPECT_FALSE(proc.EsODS12(caller, carpeta.Datos() + QStringLiteral("FALTA.fdb"), QStringLiteral("FALTA")));
  // A gstat that cannot be started fails like one that ends with an error.
  QFile::remove(carpeta.Trabajo() + QStringLiteral("/Firebird3"));
  EXPECT_FALSE(proc.EsODS12(caller, actual, QStringLiteral("ACTUAL")));
  EXPECT_TRUE(caller.Convertidas.isEmpty());
  EXPECT_TRUE(caller.Mensajes.isEmpty());
}

TEST_F(SondaOds12, AReportThatCannotBeReadIsLogged) {
  carpeta.UsarGstat(HerramientaDePrueba(QStringLiteral("gstat-sin-salida")));
  const QString bd = carpeta.Datos() + QStringLiteral("EMPRESA.fdb");
  CrearBaseDatos(bd);
  TqovFirebirdProc proc;
  EXPECT_FALSE(proc.EsODS12(caller, bd, QStringLiteral("EMPRESA")));
  EXPECT_EQ(caller.Mensajes, QStringList{QStringLiteral("No se pudo procesar la salida de la herramienta de GSTAT.")});
  EXPECT_TRUE(caller.Convertidas.isEmpty());
}

}  // namespace
