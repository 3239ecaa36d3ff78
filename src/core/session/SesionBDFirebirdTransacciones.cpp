// The Firebird session's main transaction, identifiers, server time and semaphores.

#include <QThread>

#include "core/session/SesionBDFirebird.h"

namespace {

// The procedure that gives the identifiers of a kind; empty for an unknown kind.
QString ProcedimientoDeGenerador(const QString& AGenerador) {
  if (AGenerador == QStringLiteral("ID_CAPAS_COSTOS")) return QStringLiteral("GEN_CAPA_COSTO_ID");
  if (AGenerador == QStringLiteral("ID_CATALOGOS")) return QStringLiteral("GEN_CATALOGO_ID");
  if (AGenerador == QStringLiteral("ID_DOCTOS")) return QStringLiteral("GEN_DOCTO_ID");
  if (AGenerador == QStringLiteral("ID_FOLIO_TEMP")) return QStringLiteral("GEN_FOLIO_TEMP");
  if (AGenerador == QStringLiteral("ID_REPORTES")) return QStringLiteral("GET_REPORTE_ID");
  return QString();
}

// Another session holds the semaphore: its row is there, or being written.
bool SemaforoOcupado(int AError) {
  return EsErrorDeBloqueo(AError) || AError == isc_no_dup || AError == isc_unique_key_violation;
}

}  // namespace

void TqovSesionBDFirebird::SetTransactionType(TqovTransactionType ATransactionType, bool AWait) {
  if (TranUnica()) return;
  FTransaction.SetTPBMode(tpbDefault);
  FTransaction.TRParams().Clear();
  switch (ATransactionType) {
    case trntpSnapShot:
      FTransaction.TRParams().Add(QStringLiteral("concurrency"));
      break;
    case trntpReadCommitted:
      FTransaction.TRParams().Add(QStringLiteral("read_committed"));
      break;
    case trntpReadCommittedRV:
      FTransaction.TRParams().Add(QStringLiteral("read_committed"));
      FTransaction.TRParams().Add(QStringLiteral("rec_version"));
      break;
  }
  FTransaction.TRParams().Add(AWait ? QStringLiteral("wait") : QStringLiteral("nowait"));
}

void TqovSesionBDFirebird::StartTransaction(const QObject& Sender) {
  if (!IniciaTranUnica(Sender)) return;
  try {
    // A statement run before any start began a transaction of its own: its work is kept, and the
    // caller's transaction starts anew, of the kind the caller asked for.
    if (FTransaction.InTransaction()) FTransaction.Commit();
    FTransaction.StartTransaction();
  } catch (const Exception&) {
    // A start that failed owns nothing: the guard stays free for the next one.
    TerminaTranUnica(Sender);
    throw;
  }
}

void TqovSesionBDFirebird::CommitTransaction(const QObject& Sender) {
  if (TerminaTranUnica(Sender)) FTransaction.Commit();
}

void TqovSesionBDFirebird::RollbackTransaction(const QObject& Sender) {
  if (TerminaTranUnica(Sender)) FTransaction.Rollback();
}

int TqovSesionBDFirebird::GenId(const QString& AGenerador) {
  SetTransactionType(trntpReadCommitted, false);
  StartTransaction(*this);
  SetProc(ProcedimientoDeGenerador(AGenerador));
  EjecutarProc();
  const TqovDAParam* salida = FStoredProcedure.GetField(0);
  if (!salida)
    throw EDatabaseError(
        QStringLiteral("El procedimiento '%1' no devuelve ningún valor.").arg(FStoredProcedure.StoredProcName()));
  const int id = salida->AsInteger();
  FStoredProcedure.Close();
  CommitTransaction(*this);
  return id;
}

TDateTime TqovSesionBDFirebird::GetFechaHoraServer() {
  SetTransactionType(trntpReadCommitted, false);
  StartTransaction(*this);
  SetProc(QStringLiteral("FECHA_SERVIDOR"));
  FStoredProcedure.Prepare();
  EjecutarProc();
  const TDateTime resultado = FStoredProcedure.ParamByName(QStringLiteral("FECHA")).AsDateTime() +
                              FStoredProcedure.ParamByName(QStringLiteral("HORA")).AsDateTime();
  FStoredProcedure.Close();
  CommitTransaction(*this);
  return resultado;
}

void TqovSesionBDFirebird::TomarSemaforo(const QString& ASemaforo) {
  FSemafMaxReintentos = IntentosSemaforo;
  bool tomado = false;
  QString mensaje;
  while (!tomado && FSemafMaxReintentos > 0) {
    try {
      if (!FTransactionSemaforo.InTransaction()) FTransactionSemaforo.StartTransaction();
      FQuerySemaforo.Close();
      FQuerySemaforo.SQL().SetText(
          QStringLiteral("INSERT INTO SEMAFOROS (CLAVE_SEMAF, USUARIO) VALUES (:CLAVE_SEMAF, :USUARIO)"));
      FQuerySemaforo.ParamByName(QStringLiteral("CLAVE_SEMAF")).SetAsString(ASemaforo);
      FQuerySemaforo.ParamByName(QStringLiteral("USUARIO")).SetAsString(ParametrosDeSesion().Usuario());
      FQuerySemaforo.ExecQuery();
      tomado = true;
      FTransactionSemaforo.Commit();
    } catch (const EFbError& e) {
      if (!SemaforoOcupado(ObtenerCodigoError(e)))
        throw TqovExceptionBaseDatos(e.Message(), CodigoErrorBD::TomarSemaforo, NombreDeClase(*this),
                                     QStringLiteral("TomarSemaforo"), ASemaforo);
      mensaje = e.Message();
      --FSemafMaxReintentos;
      QThread::msleep(static_cast<unsigned long>(FSemafTiempoEntreReintentos));
    }
  }
  if (!tomado)
    throw TqovExceptionBaseDatos(mensaje, CodigoErrorBD::TomarSemaforo, NombreDeClase(*this),
                                 QStringLiteral("TomarSemaforo"), ASemaforo);
}

void TqovSesionBDFirebird::LiberarSemaforo(const QString& ASemaforo) {
  try {
    if (!FTransactionSemaforo.InTransaction()) FTransactionSemaforo.StartTransaction();
    FQuerySemaforo.Close();
    FQuerySemaforo.SQL().SetText(QStringLiteral("DELETE FROM SEMAFOROS WHERE CLAVE_SEMAF = :CLAVE_SEMAF"));
    FQuerySemaforo.ParamByName(QStringLiteral("CLAVE_SEMAF")).SetAsString(ASemaforo);
    FQuerySemaforo.ExecQuery();
    FTransactionSemaforo.Commit();
  } catch (const Exception& e) {
    throw TqovExceptionBaseDatos(e.Message(), CodigoErrorBD::LiberarSemaforo, NombreDeClase(*this),
                                 QStringLiteral("LiberarSemaforo"), ASemaforo);
  }
}
