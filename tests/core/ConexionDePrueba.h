#pragma once

#include <gtest/gtest.h>

#include "BasesDePrueba.h"
#include "CarpetaTrabajo.h"
#include "DAIBCDatabase.h"
#include "DAIBCQuery.h"

// A company database with the kinds of columns, defaults, triggers and procedures that the suite uses,
// and an open connection to it (embedded engine) with its default transaction.
class ConexionDePrueba : public ::testing::Test {
 protected:
  static constexpr const char* Esquema =
      "CREATE TABLE DOCTOS (ID INTEGER NOT NULL PRIMARY KEY, FOLIO VARCHAR(20) DEFAULT 'SIN FOLIO', "
      "IMPORTE NUMERIC(18, 2) DEFAULT 0, NOTAS BLOB SUB_TYPE TEXT, FOTO BLOB SUB_TYPE BINARY, FECHA DATE, "
      "MOMENTO TIMESTAMP, ACTIVO CHAR(1), CANTIDAD BIGINT, TIPO CHAR(3), MODIFICADO INTEGER DEFAULT 0);\n"
      "SET TERM ^ ;\n"
      "CREATE TRIGGER DOCTOS_CUENTA FOR DOCTOS BEFORE INSERT OR UPDATE AS BEGIN "
      "NEW.MODIFICADO = COALESCE(OLD.MODIFICADO, 0) + 1; END^\n"
      "CREATE PROCEDURE CALCULA (IN_A INTEGER) RETURNS (OUT_X INTEGER, OUT_Y VARCHAR(20)) AS BEGIN "
      "OUT_X = IN_A * 2; OUT_Y = 'doble de ' || IN_A; END^\n"
      "SET TERM ; ^\n"
      "INSERT INTO DOCTOS (ID, FOLIO, IMPORTE) VALUES (1, 'A-1', 10.25);\n"
      "INSERT INTO DOCTOS (ID, FOLIO, IMPORTE) VALUES (2, 'A-2', 20.5);\n"
      "COMMIT;\n";

  void SetUp() override {
    CrearBaseDatos(ruta, QString::fromUtf8(Esquema));
    Conectar(bd, transaccion);
  }

  // Opens ABd on the test database with ATransaccion as its default transaction.
  void Conectar(TqovDADatabase& ABd, TqovDATransaction& ATransaccion) {
    ABd.SetDBName(ruta);
    ABd.SetDBParams({"user_name=SYSDBA", "password=masterkey"});
    ABd.Options().Charset = "ISO8859_1";
    ABd.SetDefaultTransaction(&ATransaccion);
    ATransaccion.SetDefaultDatabase(&ABd);
    ABd.Open();
  }

  // Runs a statement in its own committed transaction on a second connection.
  void EjecutarAparte(const QString& ASql) {
    TqovDADatabase otra;
    TqovDATransaction suya;
    Conectar(otra, suya);
    TqovDAQuery q;
    q.SetDatabase(&otra);
    q.SQL().SetText(ASql);
    q.ExecQuery();
    suya.Commit();
  }

  CarpetaTrabajo carpeta;
  const QString ruta = carpeta.Datos() + QStringLiteral("EMPRESA.fdb");
  TqovDADatabase bd;
  TqovDATransaction transaccion;
};
