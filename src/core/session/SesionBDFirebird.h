#pragma once

// The database session on Firebird over the data-access adapters.
//
// The session's operations are spread over three files:
//   SesionBDFirebird.cpp               connecting, disconnecting, user validation, connection errors
//   SesionBDFirebirdConsultas.cpp      queries and stored procedures with their typed parameters
//   SesionBDFirebirdTransacciones.cpp  transactions, generators, the server's date and time, semaphores

#include "core/dataaccess/DAIBCDataSet.h"
#include "core/dataaccess/DAIBCDatabase.h"
#include "core/dataaccess/DAIBCQuery.h"
#include "core/dataaccess/DAIBCStoredProc.h"
#include "core/session/ExceptionBaseDatos.h"
#include "core/session/SesionBD.h"
#include "platform/data/ClientDataSet.h"

// The session on a Firebird database, through the data-access adapters: it connects under the role
// USUARIO_TARVOLIN with ISO8859_1 text and dialect 3, runs a SELECT on its data set and hands the rows
// to a client data set through its provider, runs every other statement on its query, and takes
// semaphores in a transaction of their own. Failures of the client library become
// TqovExceptionBaseDatos with the codes of CodigoErrorBD.
class TqovSesionBDFirebird : public TqovSesionBD {
  Q_OBJECT

 public:
  TqovSesionBDFirebird();
  ~TqovSesionBDFirebird() override;

  void Conectar() override;
  void Desconectar() override;
  bool SesionConectada() override;
  // True, or the exception of a failed connection; the auxiliary connection is closed again.
  bool ValidarUsuario(const QString& AUsuarioNombre, const QString& AUsuarioPassword) override;

  // A statement whose first six characters after control characters and blanks are SELECT, in any case,
  // goes to the data set; any other to the query.
  void SetQuery(const QString& ASQL) override;
  void SetQueryParamAsString(const QString& ANombreParam, const QString& AValor) override;
  void SetQueryParamAsInteger(const QString& ANombreParam, int AValor) override;
  void SetQueryParamAsDouble(const QString& ANombreParam, double AValor) override;
  void SetQueryParamAsBoolean(const QString& ANombreParam, bool AValor) override;
  void SetQueryParamAsDate(const QString& ANombreParam, TDateTime AValor) override;
  void SetQueryParamAsDateTime(const QString& ANombreParam, TDateTime AValor) override;
  void SetQueryParamAsVariant(const QString& ANombreParam, const QVariant& AValor) override;
  void SetQueryParamToNull(const QString& ANombreParam) override;
  void SetQueryParamAsStream(const QString& ANombreParam, QIODevice& AValor) override;
  // Raises Exception without a client data set for a SELECT, or with one for any other statement.
  void EjecutarQuery(TClientDataSet* ADataSet) override;

  void SetProc(const QString& AProc) override;
  void SetProcParamAsString(const QString& ANombreParam, const QString& AValor) override;
  void SetProcParamAsInteger(const QString& ANombreParam, int AValor) override;
  void SetProcParamAsDouble(const QString& ANombreParam, double AValor) override;
  void SetProcParamAsBoolean(const QString& ANombreParam, bool AValor) override;
  void SetProcParamAsDate(const QString& ANombreParam, TDateTime AValor) override;
  void SetProcParamAsDateTime(const QString& ANombreParam, TDateTime AValor) override;
  void SetProcParamToNull(const QString& ANombreParam) override;
  // The procedure stays open, so that its outputs can be read.
  void EjecutarProc() override;
  QString GetProcParamAsString(const QString& ANombreParam) override;
  int GetProcParamAsInteger(const QString& ANombreParam) override;
  double GetProcParamAsDouble(const QString& ANombreParam) override;
  bool GetProcParamAsBoolean(const QString& ANombreParam) override;
  TDateTime GetProcParamAsDate(const QString& ANombreParam) override;
  TDateTime GetProcParamAsDateTime(const QString& ANombreParam) override;

  void SetTransactionType(TqovTransactionType ATransactionType, bool AWait) override;
  // Commits first a transaction that a statement run before any start began; a start that fails leaves
  // the guard free.
  void StartTransaction(const QObject& Sender) override;
  void CommitTransaction(const QObject& Sender) override;
  void RollbackTransaction(const QObject& Sender) override;

  // Inserts the key into SEMAFOROS and commits; while another holder has it, tries again after
  // FSemafTiempoEntreReintentos, 100 attempts in all.
  void TomarSemaforo(const QString& ASemaforo) override;
  // Deletes the key, whoever holds it, and commits.
  void LiberarSemaforo(const QString& ASemaforo) override;
  // The next identifier of the kind, from its procedure, in a read-committed transaction of its own
  // unless a caller's transaction is open.
  int GenId(const QString& AGenerador) override;
  // The date and time of FECHA_SERVIDOR.
  TDateTime GetFechaHoraServer() override;

  TqovDADatabase& GetDatabase() { return FBD; }

 protected:
  // The exception for a failure to connect: in Conectar (AEnConectar) or in ValidarUsuario.
  TqovExceptionBaseDatos ErrorDeConexion(const EFbError& AError, bool AEnConectar) const;
  // The exception for a failure of a statement or procedure, raised by AOperacion.
  TqovExceptionBaseDatos ErrorDeEjecucion(const EFbError& AError, const QString& AOperacion) const;

 private:
  // The attempts of one TomarSemaforo.
  static constexpr int IntentosSemaforo = 100;

  // Points the connection at the session's database with these credentials.
  void PrepararConexion(TqovDADatabase& ABD, const QString& AUsuario, const QString& APassword);
  // The data set or the query, whichever holds the current statement.
  TqovDADataset& Consulta();

  bool FQuerySelect = false;
  TqovDADatabase FBD;
  TqovDADatabase FDBAux;
  TqovDATransaction FTransaction;
  TqovDATransaction FTransactionSemaforo;
  TqovDADataset FDataSet;
  TqovDAQuery FQuery;
  TqovDAQuery FQuerySemaforo;
  TqovDAStoredProc FStoredProcedure;
  TDataSetProvider FDataSetProvider;
};
