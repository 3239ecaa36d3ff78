#pragma once

// The abstract database session: connection, typed queries and procedures, transactions, semaphores.

#include <QIODevice>
#include <QObject>
#include <QString>
#include <QVariant>

#include "core/session/ParametrosDeSesion.h"
#include "core/session/QovCommonTypes.h"
#include "platform/data/ClientDataSet.h"
#include "platform/rtl/DateTime.h"

// A session on one database, whatever its engine: the connection, one current statement and one current
// stored procedure with their parameters, the main transaction under the single-transaction guard, named
// semaphores, identifiers and the server's clock. Booleans travel to and from the database as "S" / "N".
class TqovSesionBD : public QObject {
  Q_OBJECT

 public:
  const QString& Nombre() const { return FNombre; }
  void SetNombre(const QString& AValue) { FNombre = AValue; }
  // Filled by the caller before Conectar.
  TqovParametrosDeSesion& ParametrosDeSesion() { return FParametrosDeSesion; }
  const TqovParametrosDeSesion& ParametrosDeSesion() const { return FParametrosDeSesion; }
  void SetParametrosDeSesion(const TqovParametrosDeSesion& AValue) { FParametrosDeSesion = AValue; }

  virtual void Conectar() = 0;
  virtual void Desconectar() = 0;
  virtual bool SesionConectada() = 0;
  // Whether these credentials open the session's database; the session's own connection is not touched.
  virtual bool ValidarUsuario(const QString& AUsuarioNombre, const QString& AUsuarioPassword) = 0;

  virtual void SetQuery(const QString& ASQL) = 0;
  virtual void SetQueryParamAsString(const QString& ANombreParam, const QString& AValor) = 0;
  virtual void SetQueryParamAsInteger(const QString& ANombreParam, int AValor) = 0;
  virtual void SetQueryParamAsDouble(const QString& ANombreParam, double AValor) = 0;
  virtual void SetQueryParamAsBoolean(const QString& ANombreParam, bool AValor) = 0;
  virtual void SetQueryParamAsDate(const QString& ANombreParam, TDateTime AValor) = 0;
  virtual void SetQueryParamAsDateTime(const QString& ANombreParam, TDateTime AValor) = 0;
  virtual void SetQueryParamAsVariant(const QString& ANombreParam, const QVariant& AValor) = 0;
  virtual void SetQueryParamToNull(const QString& ANombreParam) = 0;
  // The whole stream, from its beginning, as a large binary value.
  virtual void SetQueryParamAsStream(const QString& ANombreParam, QIODevice& AValor) = 0;
  // A SELECT delivers its rows into ADataSet; any other statement, run without one, updates RowsAffected.
  virtual void EjecutarQuery(TClientDataSet* ADataSet) = 0;

  virtual void SetProc(const QString& AProc) = 0;
  virtual void SetProcParamAsString(const QString& ANombreParam, const QString& AValor) = 0;
  virtual void SetProcParamAsInteger(const QString& ANombreParam, int AValor) = 0;
  virtual void SetProcParamAsDouble(const QString& ANombreParam, double AValor) = 0;
  virtual void SetProcParamAsBoolean(const QString& ANombreParam, bool AValor) = 0;
  virtual void SetProcParamAsDate(const QString& ANombreParam, TDateTime AValor) = 0;
  virtual void SetProcParamAsDateTime(const QString& ANombreParam, TDateTime AValor) = 0;
  virtual void SetProcParamToNull(const QString& ANombreParam) = 0;
  virtual void EjecutarProc() = 0;
  virtual QString GetProcParamAsString(const QString& ANombreParam) = 0;
  virtual int GetProcParamAsInteger(const QString& ANombreParam) = 0;
  virtual double GetProcParamAsDouble(const QString& ANombreParam) = 0;
  // True only for "S".
  virtual bool GetProcParamAsBoolean(const QString& ANombreParam) = 0;
  virtual TDateTime GetProcParamAsDate(const QString& ANombreParam) = 0;
  virtual TDateTime GetProcParamAsDateTime(const QString& ANombreParam) = 0;

  // The kind of the next main transaction; ignored while the guard is held.
  virtual void SetTransactionType(TqovTransactionType ATransactionType, bool AWait) = 0;
  virtual void StartTransaction(const QObject& Sender) = 0;
  virtual void CommitTransaction(const QObject& Sender) = 0;
  virtual void RollbackTransaction(const QObject& Sender) = 0;

  virtual void TomarSemaforo(const QString& ASemaforo) = 0;
  virtual void LiberarSemaforo(const QString& ASemaforo) = 0;
  virtual int GenId(const QString& AGenerador) = 0;
  virtual TDateTime GetFechaHoraServer() = 0;

  // Rows affected by the last statement other than a SELECT.
  int RowsAffected() const { return FLastRowsAffected; }
  // An identifier of 0 stands for no row and binds NULL.
  void SetQueryParamAsId(const QString& ANombreParam, int AValor);

  // The single-transaction guard, keyed by the sender's class name: the first sender to start owns the
  // transaction, and only a sender of the same class ends it.
  bool IniciaTranUnica(const QObject& Sender);
  bool TerminaTranUnica(const QObject& Sender);
  bool TranUnica() const { return !FClassNameTransaction.isEmpty(); }

 protected:
  int FLastRowsAffected = 0;
  // Empty when free; otherwise the class name of the sender that opened the main transaction.
  QString FClassNameTransaction;
  // Attempts left to the running TomarSemaforo, and the wait in milliseconds after each failed one.
  int FSemafMaxReintentos = 0;
  int FSemafTiempoEntreReintentos = 0;

 private:
  QString FNombre;
  TqovParametrosDeSesion FParametrosDeSesion;
};

// The name of the object's class as the code defines it, such as "TqovSesionBDFirebird": that of the
// nearest class with Q_OBJECT, which every class that can be a sender declares.
QString NombreDeClase(const QObject& AObjeto);
