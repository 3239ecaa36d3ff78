#pragma once

// The data-access component for a query: a data set over a Firebird statement.

#include <QMetaObject>
#include <QPointer>
#include <memory>

#include "platform/data/DataSet.h"
#include "platform/fbdac/FbCommand.h"
#include "platform/fbdac/FbRecordLayout.h"
#include "platform/rtl/Strings.h"

// How a Firebird data set reads, shows and writes its rows.
class TFbDataSetOptions {
 public:
  virtual ~TFbDataSetOptions() = default;

  // An empty text written to a field or parameter is NULL.
  bool SetEmptyStrToNull = false;
  // Kept for the suite's settings; fields here are neither read-only nor required by these two.
  bool SetFieldsReadOnly = true;
  bool RequiredFields = true;
  // Opening reads each field's default expression from its column's default on the server.
  bool DefaultValues = false;
  // An update or delete that does not touch exactly one row is an error.
  bool StrictUpdate = true;
  // The statement stays prepared between executions.
  bool AutoPrepare = false;
  // RowsAffected is counted after each execution; -1 otherwise.
  bool QueryRowsAffected = true;
  // A blob's content is read when its field is first read, in the transaction that fetched its row,
  // and kept; without it, with its row.
  bool DeferredBlobRead = false;
  // Kept for the suite's settings: a blob read is kept whole with its row.
  bool CacheBlobs = true;
  bool CacheArrays = true;
  // Preparing a stored procedure asks the server for its parameters.
  bool DescribeParams = false;
};

// A data set over a statement of a Firebird connection: opening runs it and reads all its rows; posting
// and deleting run SQLInsert, SQLUpdate and SQLDelete, and raise EDatabaseError when the one they need
// is not given; SQLRefresh reads the current record again.
class TFbQuery : public TDataSet {
  Q_OBJECT

 public:
  explicit TFbQuery(QObject* AOwner = nullptr, std::unique_ptr<TFbCommand> ACommand = nullptr,
                    std::unique_ptr<TFbDataSetOptions> AOptions = nullptr);
  ~TFbQuery() override;

  TFbConnection* Connection() const { return FCommand->Connection(); }
  void SetConnection(TFbConnection* AValue);
  TFbTransaction* Transaction() const { return FCommand->Transaction(); }
  void SetTransaction(TFbTransaction* AValue) { FCommand->SetTransaction(AValue); }
  // The transaction of posts and deletes; the data set's own when none is given.
  TFbTransaction* UpdateTransaction() const;
  void SetUpdateTransaction(TFbTransaction* AValue) { FUpdateTransaction = AValue; }

  TStrings& SQL() const { return FCommand->SQL; }
  TStrings SQLInsert, SQLUpdate, SQLDelete, SQLRefresh;

  TParams& Params() const { return FCommand->Params(); }
  // Copies the values of the given parameters into the ones of the same names.
  void SetParams(const TParams& AValue) { Params().AssignValues(AValue); }
  TParam& ParamByName(const QString& AName) const { return Params().ParamByName(AName); }
  TParam* FindParam(const QString& AName) const { return Params().FindParam(AName); }
  bool ParamCheck() const { return FCommand->ParamCheck(); }
  void SetParamCheck(bool AValue) { FCommand->SetParamCheck(AValue); }

  TFbDataSetOptions& Options() const { return *FOptions; }
  // Commits (retaining) after every statement that changes data.
  bool AutoCommit = true;
  // Kept for the suite's settings: constraints are always the server's.
  bool LocalConstraints = true;

  // A master whose current record gives this data set's parameters of the same names; the data set is
  // opened again whenever the master moves.
  TDataSource* MasterSource() const { return FMasterSource; }
  void SetMasterSource(TDataSource* AValue);

  void Prepare() { FCommand->Prepare(); }
  // Opens a statement that returns rows; runs any other once.
  virtual void Execute();
  int RowsAffected() const { return FRowsAffected; }
  // Reads the current record again with SQLRefresh.
  void RefreshRecord();

  TFbCommand& Command() const { return *FCommand; }

 protected:
  void InternalOpen() override;
  void InternalClose() override;
  void InternalPost(const QVector<QVariant>& ANewValues, const QVector<QVariant>* AOldValues) override;
  void InternalDelete(const QVector<QVariant>& AValues) override;
  // Reads a blob in the transaction that fetched its row; raises EDatabaseError once that has ended.
  QVariant LoadDeferred(int AField, const char* AData) override;

 private:
  void TomarDelRegistro(TFbCommand& ACommand, const QVector<QVariant>& ANuevos,
                        const QVector<QVariant>& AAnteriores) const;
  void EjecutarCambio(const TStrings& ASql, const QString& AAccion, const QVector<QVariant>& ANuevos,
                      const QVector<QVariant>* AAnteriores);
  void LeerDefaults();
  void TomarDelMaestro();
  void Confirmar(TFbTransaction* ATransaccion);

  std::unique_ptr<TFbCommand> FCommand;
  std::unique_ptr<TFbDataSetOptions> FOptions;
  QPointer<TFbTransaction> FUpdateTransaction;
  QPointer<TDataSource> FMasterSource;
  QMetaObject::Connection FEnlaceMaestro;
  int FRowsAffected = -1;
  std::shared_ptr<const TFbRecordLayout> FFormato;  // of the rows read
  QPointer<TFbTransaction> FTransaccionLectura;
  quint64 FInicioLectura = 0;
};
