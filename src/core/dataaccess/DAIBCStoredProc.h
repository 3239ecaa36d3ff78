#pragma once

// The suite's stored-procedure adapter and the tests for lock-conflict error codes.

#include "core/dataaccess/DAIBCDatabase.h"
#include "core/dataaccess/DAIBCParams.h"
#include "platform/fbclient/FbError.h"
#include "platform/fbdac/FbStoredProc.h"

// Preparing a suite procedure asks the server for its parameters.
class TqovDAStoredProcOptions : public TFbDataSetOptions {
 public:
  TqovDAStoredProcOptions() { DescribeParams = true; }
};

// The suite's stored procedure: it prepares itself on first use, so that its parameters are known, and its
// output parameters are reached by position or by name.
class TqovDAStoredProc : public TFbStoredProc {
  Q_OBJECT

 public:
  explicit TqovDAStoredProc(QObject* AOwner = nullptr);

  TqovDADatabase* Connection() const { return qobject_cast<TqovDADatabase*>(TFbStoredProc::Connection()); }
  void SetConnection(TqovDADatabase* AValue) { TFbStoredProc::SetConnection(AValue); }
  TqovDADatabase* Database() const { return Connection(); }
  void SetDatabase(TqovDADatabase* AValue) { SetConnection(AValue); }
  TqovDATransaction* Transaction() const { return qobject_cast<TqovDATransaction*>(TFbStoredProc::Transaction()); }
  void SetTransaction(TqovDATransaction* AValue) { TFbStoredProc::SetTransaction(AValue); }
  // The parameters, after the automatic prepare.
  TqovDAParams& Params();
  void SetParams(const TParams& AValue) { Params().AssignValues(AValue); }

  void Execute() override;
  void ExecQuery() { Execute(); }
  TqovDAParam& ParamByName(const QString& AName);
  TqovDAParam& FieldByName(const QString& AName) { return ParamByName(AName); }
  // The output parameter at that position among the outputs; null when there is none. Does not prepare.
  TqovDAParam* Fields(int Index) const;
  TqovDAParam* GetField(int Index) const { return Fields(Index); }
  // The position among the outputs of the first one of exactly that name; -1 when none. Does not prepare.
  int FieldIndex(const QString& FieldName) const;

 private:
  TqovDAParams& Parametros() const { return static_cast<TqovDAParams&>(TFbStoredProc::Params()); }
  void PrepararSiHaceFalta();
};

// The Firebird status code of a database error.
int ObtenerCodigoError(const EFbError& AError);

// True for the four lock errors: deadlock, lock conflict, update conflict and lock time-out.
bool EsErrorDeBloqueo(int ACodigo);
