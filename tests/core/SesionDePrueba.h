#pragma once

#include <gtest/gtest.h>

#include <QStringList>

#include "BasesDePrueba.h"
#include "CarpetaTrabajo.h"
#include "ClientDataSet.h"
#include "ParametrosLineaComando.h"
#include "SesionBDFirebird.h"

// Gives the command line these arguments while it lives.
class ArgumentosDePrueba {
 public:
  explicit ArgumentosDePrueba(const QStringList& AArgumentos) {
    TqovParametrosLineaComando::EstablecerArgumentos(AArgumentos);
  }
  ~ArgumentosDePrueba() { TqovParametrosLineaComando::EstablecerArgumentos({}); }
  ArgumentosDePrueba(const ArgumentosDePrueba&) = delete;
  ArgumentosDePrueba& operator=(const ArgumentosDePrueba&) = delete;
};

// A Firebird session whose semaphore wait a test can shorten and whose error translations it can reach.
class SesionDePrueba : public TqovSesionBDFirebird {
 public:
  using TqovSesionBDFirebird::ErrorDeConexion;
  using TqovSesionBDFirebird::ErrorDeEjecucion;

  int IntentosRestantes() const { return FSemafMaxReintentos; }
  int EsperaEntreIntentos() const { return FSemafTiempoEntreReintentos; }
  void SetEsperaEntreIntentos(int AMilisegundos) { FSemafTiempoEntreReintentos = AMilisegundos; }
};

// A company database EMPRESA1 with the suite's session objects (role, SEMAFOROS, the identifier
// procedures, FECHA_SERVIDOR) and tables and procedures to run statements on; and a session.
class BaseDeSesion : public ::testing::Test {
 protected:
  static constexpr const char* Esquema =
      "CREATE ROLE USUARIO_TARVOLIN;\n"
      "CREATE TABLE SEMAFOROS (CLAVE_SEMAF VARCHAR(30) NOT NULL PRIMARY KEY, USUARIO VARCHAR(31));\n"
      "CREATE TABLE INTENTOS (CLAVE VARCHAR(100));\n"
      "CREATE TABLE DOCTOS (ID INTEGER NOT NULL PRIMARY KEY, CLIENTE_ID INTEGER REFERENCES CLIENTES (ID), "
      "FOLIO VARCHAR(20), IMPORTE DOUBLE PRECISION, ACTIVO CHAR(1), FECHA DATE, MOMENTO TIMESTAMP, "
      "NOTAS VARCHAR(40), FOTO BLOB SUB_TYPE BINARY);\n"
      "CREATE EXCEPTION SIN_EXISTENCIA 'No hay existencia del artículo';\n"
      "CREATE GENERATOR GEN_IDS;\n"
      "SET TERM ^ ;\n"
      // Every attempt to take a semaphore leaves a committed trace, even one that fails.
      "CREATE TRIGGER SEMAFOROS_INTENTO FOR SEMAFOROS BEFORE INSERT AS BEGIN "
      "IN AUTONOMOUS TRANSACTION DO INSERT INTO INTENTOS VALUES (NEW.CLAVE_SEMAF); END^\n"
      "CREATE PROCEDURE GEN_CAPA_COSTO_ID RETURNS (ID INTEGER) AS BEGIN ID = 1000 + GEN_ID(GEN_IDS, 1); END^\n"
      "CREATE PROCEDURE GEN_CATALOGO_ID RETURNS (ID INTEGER) AS BEGIN ID = 2000 + GEN_ID(GEN_IDS, 1); END^\n"
      "CREATE PROCEDURE GEN_DOCTO_ID RETURNS (ID INTEGER) AS BEGIN ID = 3000 + GEN_ID(GEN_IDS, 1); END^\n"
      "CREATE PROCEDURE GEN_FOLIO_TEMP RETURNS (ID INTEGER) AS BEGIN ID = 4000 + GEN_ID(GEN_IDS, 1); END^\n"
      "CREATE PROCEDURE GET_REPORTE_ID RETURNS (ID INTEGER) AS BEGIN ID = 5000 + GEN_ID(GEN_IDS, 1); END^\n"
      "CREATE PROCEDURE FECHA_SERVIDOR RETURNS (FECHA DATE, HORA TIME) AS BEGIN "
      "FECHA = '2024-05-10'; HORA = '13:30:00'; END^\n"
      "CREATE PROCEDURE VENDER (ARTICULO VARCHAR(20)) AS BEGIN EXCEPTION SIN_EXISTENCIA; END^\n"
      "CREATE PROCEDURE ECO (TEXTO VARCHAR(40), ENTERO INTEGER, FLOTANTE DOUBLE PRECISION, BANDERA VARCHAR(1), "
      "FECHA DATE, MOMENTO TIMESTAMP) RETURNS (O_TEXTO VARCHAR(40), O_ENTERO INTEGER, O_FLOTANTE DOUBLE PRECISION, "
      "O_BANDERA VARCHAR(1), O_FECHA DATE, O_MOMENTO TIMESTAMP) AS BEGIN O_TEXTO = TEXTO; O_ENTERO = ENTERO; "
      "O_FLOTANTE = FLOTANTE; O_BANDERA = BANDERA; O_FECHA = FECHA; O_MOMENTO = MOMENTO; END^\n"
      "SET TERM ; ^\n"
      "GRANT ALL ON SEMAFOROS TO PUBLIC;\n"
      "GRANT ALL ON INTENTOS TO PUBLIC;\n"
      "GRANT ALL ON DOCTOS TO PUBLIC;\n"
      "GRANT ALL ON CLIENTES TO PUBLIC;\n"
      "GRANT USUARIO_TARVOLIN TO PUBLIC;\n"
      "COMMIT;\n";

  void SetUp() override {
    CrearBaseDatos(carpeta.Datos() + QStringLiteral("EMPRESA1.fdb"), QString::fromUtf8(Esquema));
  }

  // Points the session at EMPRESA1: through the embedded engine, or through the server when AServidor
  // is given ("127.0.0.1", say) with the server's SYSDBA password.
  void Parametros(TqovSesionBD& ASesion, const QString& AUsuario = QStringLiteral("SYSDBA"),
                  const QString& AServidor = QString()) {
    TqovParametrosDeSesion& parametros = ASesion.ParametrosDeSesion();
    parametros.SetDatabasePath(AServidor.isEmpty() ? carpeta.Datos() : AServidor + QLatin1Char(':') + carpeta.Datos());
    parametros.SetNombreBD(QStringLiteral("EMPRESA1"));
    parametros.SetUsuario(AUsuario);
    parametros.SetPassword(AServidor.isEmpty() ? QStringLiteral("masterkey") : ClaveSysdbaServidor());
  }

  void Conectar(TqovSesionBD& ASesion, const QString& AUsuario = QStringLiteral("SYSDBA"),
                const QString& AServidor = QString()) {
    Parametros(ASesion, AUsuario, AServidor);
    ASesion.Conectar();
  }

  // Runs a SELECT in a transaction of its own and gives its rows.
  void Consultar(TqovSesionBD& ASesion, const QString& ASql, TClientDataSet& AFilas) {
    ASesion.StartTransaction(remitente);
    ASesion.SetQuery(ASql);
    ASesion.EjecutarQuery(&AFilas);
    ASesion.CommitTransaction(remitente);
  }

  // The first value of a SELECT run in a transaction of its own.
  QVariant Valor(TqovSesionBD& ASesion, const QString& ASql) {
    TClientDataSet filas;
    Consultar(ASesion, ASql, filas);
    return filas.IsEmpty() ? QVariant() : filas.Field(0).Value();
  }

  // Runs any other statement in a transaction of its own.
  void Ejecutar(TqovSesionBD& ASesion, const QString& ASql) {
    ASesion.StartTransaction(remitente);
    ASesion.SetQuery(ASql);
    ASesion.EjecutarQuery(nullptr);
    ASesion.CommitTransaction(remitente);
  }

  CarpetaTrabajo carpeta;
  const QObject remitente;
  SesionDePrueba sesion;
};
