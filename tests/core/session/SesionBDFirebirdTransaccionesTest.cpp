#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QThread>
#include <thread>

#include "fixtures/ImprimirQt.h"
#include "fixtures/SesionDePrueba.h"

namespace {

// Senders of two classes.
class TqovFrmDoctos : public QObject {
  Q_OBJECT
};

class TqovFrmClientes : public QObject {
  Q_OBJECT
};

using Transacciones = BaseDeSesion;

TEST_F(Transacciones, TheTransactionKindReachesTheServerUnlessTheGuardIsHeld) {
  Conectar(sesion);
  TqovDATransaction& transaccion = *sesion.GetDatabase().DefaultTransaction();
  // MON$ISOLATION_MODE: 1 snapshot, 2 read committed with record versions, 3 without; MON$LOCK_TIMEOUT -1
  // waits, 0 does not.
  const struct {
    TqovTransactionType tipo;
    bool espera;
    QStringList elementos;
    int aislamiento, espera_;
  } casos[] = {
      {trntpSnapShot, true, {"concurrency", "wait"}, 1, -1},
      {trntpReadCommitted, false, {"read_committed", "nowait"}, 3, 0},
      {trntpReadCommittedRV, true, {"read_committed", "rec_version", "wait"}, 2, -1},
  };
  for (const auto& caso : casos) {
    sesion.SetTransactionType(caso.tipo, caso.espera);
    EXPECT_EQ(transaccion.TPBMode(), tpbDefault);
    EXPECT_EQ(transaccion.TRParams().Lines(), caso.elementos);
    TClientDataSet filas;
    Consultar(sesion,
              "SELECT MON$ISOLATION_MODE, MON$LOCK_TIMEOUT FROM MON$TRANSACTIONS "
              "WHERE MON$TRANSACTION_ID = CURRENT_TRANSACTION",
              filas);
    EXPECT_EQ(filas.Field(0).AsInteger(), caso.aislamiento) << caso.elementos.join(' ').toStdString();
    EXPECT_EQ(filas.Field(1).AsInteger(), caso.espera_) << caso.elementos.join(' ').toStdString();
  }

  sesion.StartTransaction(remitente);
  sesion.SetTransactionType(trntpSnapShot, false);
  EXPECT_EQ(transaccion.TRParams().Lines(), (QStringList{"read_committed", "rec_version", "wait"}));
  sesion.CommitTransaction(remitente);
}

TEST_F(Transacciones, OnlyTheClassThatStartedEndsTheTransaction) {
  Conectar(sesion);
  TqovDATransaction& transaccion = *sesion.GetDatabase().DefaultTransaction();
  const TqovFrmDoctos doctos, otroDoctos;
  const TqovFrmClientes clientes;
  const QString contar = "SELECT COUNT(*) FROM CLIENTES";

  // Nothing to commit: nothing happens.
  sesion.CommitTransaction(doctos);
  EXPECT_FALSE(transaccion.InTransaction());

  sesion.StartTransaction(doctos);
  sesion.StartTransaction(clientes);
  sesion.SetQuery("INSERT INTO CLIENTES (ID) VALUES (2)");
  sesion.EjecutarQuery(nullptr);
  sesion.RollbackTransaction(clientes);
  sesion.CommitTransaction(clientes);
  EXPECT_TRUE(transaccion.InTransaction());
  sesion.RollbackTransaction(doctos);
  EXPECT_FALSE(transaccion.InTransaction());
  EXPECT_FALSE(sesion.TranUnica());
  EXPECT_EQ(Valor(sesion, contar).toInt(), 1);

  sesion.StartTransaction(doctos);
  sesion.SetQuery("INSERT INTO CLIENTES (ID) VALUES (2)");
  sesion.EjecutarQuery(nullptr);
  sesion.CommitTransaction(otroDoctos);
  EXPECT_FALSE(transaccion.InTransaction());
  EXPECT_EQ(Valor(sesion, contar).toInt(), 2);
}

TEST_F(Transacciones, AStatementRunBeforeTheStartLeavesTheCallersTransactionItsOwn) {
  Conectar(sesion);
  TqovDATransaction& transaccion = *sesion.GetDatabase().DefaultTransaction();
  // Without a start of the caller's, the statement runs in a transaction of its own.
  sesion.SetQuery("INSERT INTO CLIENTES (ID, NOMBRE) VALUES (2, 'Sin transacción')");
  sesion.EjecutarQuery(nullptr);
  ASSERT_TRUE(transaccion.InTransaction());
  EXPECT_FALSE(sesion.TranUnica());

  // The caller's start gives the kind it asked for, its rollback undoes only its own work, and the
  // statement run before keeps its row.
  sesion.SetTransactionType(trntpSnapShot, true);
  ASSERT_NO_THROW(sesion.StartTransaction(remitente));
  EXPECT_TRUE(sesion.TranUnica());
  TClientDataSet filas;
  sesion.SetQuery("SELECT MON$ISOLATION_MODE FROM MON$TRANSACTIONS WHERE MON$TRANSACTION_ID = CURRENT_TRANSACTION");
  sesion.EjecutarQuery(&filas);
  EXPECT_EQ(filas.Field(0).AsInteger(), 1);  // snapshot
  sesion.SetQuery("INSERT INTO CLIENTES (ID, NOMBRE) VALUES (3, 'Deshecho')");
  sesion.EjecutarQuery(nullptr);
  sesion.RollbackTransaction(remitente);
  EXPECT_FALSE(sesion.TranUnica());
  EXPECT_FALSE(transaccion.InTransaction());
  SesionDePrueba otra;
  Conectar(otra);
  EXPECT_EQ(Valor(otra, "SELECT LIST(ID, ',') FROM (SELECT ID FROM CLIENTES ORDER BY ID)").toString(), "1,2");
}

TEST_F(Transacciones, AStartThatFailsLeavesTheGuardFree) {
  const TqovFrmDoctos doctos;
  const TqovFrmClientes clientes;
  // Not connected: the start fails, and no class is left holding the guard.
  EXPECT_THROW(sesion.StartTransaction(doctos), EDatabaseError);
  EXPECT_FALSE(sesion.TranUnica());

  Conectar(sesion);
  sesion.StartTransaction(clientes);
  EXPECT_TRUE(sesion.GetDatabase().DefaultTransaction()->InTransaction());
  sesion.CommitTransaction(clientes);
  EXPECT_FALSE(sesion.TranUnica());
  EXPECT_FALSE(sesion.GetDatabase().DefaultTransaction()->InTransaction());
}

TEST_F(Transacciones, GenIdDrawsFromTheProcedureOfEachKindAndCommits) {
  Conectar(sesion);
  const struct {
    QString generador;
    int id;
  } casos[] = {{"ID_CAPAS_COSTOS", 1001}, {"ID_CATALOGOS", 2002}, {"ID_DOCTOS", 3003},
               {"ID_FOLIO_TEMP", 4004},   {"ID_REPORTES", 5005},  {"ID_DOCTOS", 3006}};
  for (const auto& caso : casos) EXPECT_EQ(sesion.GenId(caso.generador), caso.id) << caso.generador.toStdString();
  EXPECT_FALSE(sesion.TranUnica());
  TqovDATransaction& transaccion = *sesion.GetDatabase().DefaultTransaction();
  EXPECT_FALSE(transaccion.InTransaction());
  EXPECT_EQ(transaccion.TRParams().Lines(), (QStringList{"read_committed", "nowait"}));

  // A kind that is not known, letter case included, names no procedure: the execution fails, and the
  // next identifier ends the transaction it left open.
  try {
    sesion.GenId("id_doctos");
    FAIL() << "an identifier without a procedure";
  } catch (const TqovExceptionBaseDatos& e) {
    EXPECT_EQ(e.CodigoError(), 0);
    EXPECT_EQ(e.Operacion(), "EjecutarProc");
  }
  EXPECT_TRUE(sesion.TranUnica());
  EXPECT_EQ(sesion.GenId("ID_DOCTOS"), 3007);
  EXPECT_FALSE(sesion.TranUnica());
  EXPECT_FALSE(transaccion.InTransaction());

  // A procedure that gives no value is an error, not a crash.
  Ejecutar(sesion, "ALTER PROCEDURE GEN_FOLIO_TEMP AS BEGIN END");
  try {
    sesion.GenId("ID_FOLIO_TEMP");
    FAIL() << "an identifier from nothing";
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "El procedimiento 'GEN_FOLIO_TEMP' no devuelve ningún valor.");
  }
}

TEST_F(Transacciones, GenIdInsideACallersTransactionNeitherChangesNorCommitsIt) {
  Conectar(sesion);
  TqovDATransaction& transaccion = *sesion.GetDatabase().DefaultTransaction();
  const TqovFrmDoctos doctos;
  sesion.SetTransactionType(trntpSnapShot, true);
  sesion.StartTransaction(doctos);
  EXPECT_EQ(sesion.GenId("ID_DOCTOS"), 3001);
  EXPECT_TRUE(transaccion.InTransaction());
  EXPECT_TRUE(sesion.TranUnica());
  EXPECT_EQ(transaccion.TRParams().Lines(), (QStringList{"concurrency", "wait"}));
  EXPECT_EQ(sesion.GetFechaHoraServer(), DateTimeFromQDateTime(QDateTime(QDate(2024, 5, 10), QTime(13, 30))));
  EXPECT_TRUE(transaccion.InTransaction());
  sesion.CommitTransaction(doctos);
  EXPECT_FALSE(transaccion.InTransaction());
}

TEST_F(Transacciones, GetFechaHoraServerJoinsTheServersDateAndTime) {
  Conectar(sesion);
  EXPECT_EQ(sesion.GetFechaHoraServer(), DateTimeFromQDateTime(QDateTime(QDate(2024, 5, 10), QTime(13, 30))));
  EXPECT_FALSE(sesion.TranUnica());
  EXPECT_FALSE(sesion.GetDatabase().DefaultTransaction()->InTransaction());
}

using Semaforos = BaseDeSesion;

TEST_F(Semaforos, AFreeSemaphoreIsTakenAtOnceAndAnySessionReleasesIt) {
  SesionDePrueba otra;
  Conectar(sesion, "ANA");
  Conectar(otra, "BETO");
  sesion.TomarSemaforo("CIERRE");
  EXPECT_EQ(sesion.IntentosRestantes(), 100);
  EXPECT_EQ(Valor(otra, "SELECT USUARIO FROM SEMAFOROS WHERE CLAVE_SEMAF = 'CIERRE'").toString(), "ANA");

  otra.LiberarSemaforo("CIERRE");
  EXPECT_EQ(Valor(sesion, "SELECT COUNT(*) FROM SEMAFOROS").toInt(), 0);
  EXPECT_NO_THROW(otra.LiberarSemaforo("NADIE_LO_TIENE"));
  // The semaphore's transaction is not the main one.
  EXPECT_FALSE(sesion.TranUnica());
  EXPECT_FALSE(sesion.GetDatabase().DefaultTransaction()->InTransaction());
}

TEST_F(Semaforos, AHeldSemaphoreIsCodeTenAfterTheLastAttempt) {
  SesionDePrueba otra;
  Conectar(sesion);
  Conectar(otra);
  sesion.SetEsperaEntreIntentos(1);
  otra.SetEsperaEntreIntentos(1);
  sesion.TomarSemaforo("CIERRE");
  // Held by another session, and by the same one.
  for (SesionDePrueba* s : {&otra, &sesion}) {
    const TqovExceptionBaseDatos e = [&] {
      try {
        s->TomarSemaforo("CIERRE");
      } catch (const TqovExceptionBaseDatos& error) {
        return error;
      }
      return TqovExceptionBaseDatos("no se lanzó", -1, QString());
    }();
    EXPECT_EQ(e.CodigoError(), 10);
    EXPECT_EQ(e.Operacion(), "TomarSemaforo");
    EXPECT_EQ(e.Referencia(), "CIERRE");
    EXPECT_EQ(e.Clase(), "TqovSesionBDFirebird");
    EXPECT_TRUE(e.Message().contains("violation of PRIMARY or UNIQUE KEY constraint")) << e.Message().toStdString();
    EXPECT_EQ(s->IntentosRestantes(), 0);
  }
  // One attempt of the first take, a hundred of each failed one.
  EXPECT_EQ(Valor(sesion, "SELECT COUNT(*) FROM INTENTOS").toInt(), 201);
}

TEST_F(Semaforos, ASemaphoreReleasedWhileAnotherSessionWaitsIsTakenByItsNextAttempt) {
  SesionDePrueba duena;
  Conectar(duena, "ANA");
  Conectar(sesion, "BETO");
  sesion.SetEsperaEntreIntentos(50);
  duena.TomarSemaforo("CIERRE");

  // The owner releases it once the waiting session has failed at least once (its second attempt has
  // begun), from a thread of its own.
  bool liberado = false;
  std::thread liberador([&] {
    const QDeadlineTimer limite(10000);
    while (!limite.hasExpired()) {
      if (Valor(duena, "SELECT COUNT(*) FROM INTENTOS").toInt() >= 3) {
        duena.LiberarSemaforo("CIERRE");
        liberado = true;
        return;
      }
      QThread::msleep(5);
    }
  });
  EXPECT_NO_THROW(sesion.TomarSemaforo("CIERRE"));
  liberador.join();
  ASSERT_TRUE(liberado);
  // At least two attempts failed before the release, and the one that took it was the last: every attempt
  // is counted, the owner's and each of the waiting session's, however slowly the machine ran.
  EXPECT_LE(sesion.IntentosRestantes(), 98);
  EXPECT_EQ(Valor(sesion, "SELECT COUNT(*) FROM INTENTOS").toInt(), 1 + (100 - sesion.IntentosRestantes()) + 1);
  EXPECT_EQ(Valor(sesion, "SELECT USUARIO FROM SEMAFOROS WHERE CLAVE_SEMAF = 'CIERRE'").toString(), "BETO");
}

TEST_F(Semaforos, FailuresOtherThanAHolderAreRaisedAtOnce) {
  Conectar(sesion);
  const QString larga(40, QLatin1Char('X'));  // longer than the key column
  try {
    sesion.TomarSemaforo(larga);
    FAIL() << "taken";
  } catch (const TqovExceptionBaseDatos& e) {
    EXPECT_EQ(e.CodigoError(), 10);
    EXPECT_EQ(e.Referencia(), larga);
    EXPECT_TRUE(e.Message().contains("string truncation")) << e.Message().toStdString();
  }
  EXPECT_EQ(sesion.IntentosRestantes(), 100);

  SesionDePrueba sinConexion;
  try {
    sinConexion.LiberarSemaforo("CIERRE");
    FAIL() << "released";
  } catch (const TqovExceptionBaseDatos& e) {
    EXPECT_EQ(e.CodigoError(), 11);
    EXPECT_EQ(e.Operacion(), "LiberarSemaforo");
    EXPECT_EQ(e.Referencia(), "CIERRE");
    EXPECT_EQ(e.Message(), "La conexión con la base de datos no está abierta.");
  }
}

}  // namespace

#include "SesionBDFirebirdTransaccionesTest.moc"
