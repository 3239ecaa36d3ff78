#pragma once

// A data-access component that runs an SQL statement on a connection and a transaction.

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVector>
#include <memory>

#include "platform/data/Params.h"
#include "platform/fbclient/FbStatement.h"
#include "platform/fbdac/FbConnection.h"
#include "platform/fbdac/FbTransaction.h"
#include "platform/rtl/Strings.h"

// A statement on a connection and a transaction. With ParamCheck its parameters are the ":NAME" marks of
// its SQL text, bound by name; without it they are given by code and bound by position.
class TFbCommand : public QObject {
  Q_OBJECT

 public:
  explicit TFbCommand(QObject* AOwner = nullptr, std::unique_ptr<TParams> AParams = nullptr);
  // A statement of its own on that connection and transaction, such as a data set runs beside its query.
  TFbCommand(TFbConnection* AConnection, TFbTransaction* ATransaction, const QStringList& ASql);
  ~TFbCommand() override;

  TStrings SQL;

  bool ParamCheck() const { return FParamCheck; }
  void SetParamCheck(bool AValue);
  TParams& Params() const { return *FParams; }

  TFbConnection* Connection() const { return FConnection; }
  void SetConnection(TFbConnection* AValue);
  // The transaction given, or else the connection's default one.
  TFbTransaction* Transaction() const;
  void SetTransaction(TFbTransaction* AValue) { FTransaction = AValue; }

  bool Prepared() const { return FStatement != nullptr; }
  // Raises EDatabaseError without an open connection or without a transaction.
  void Prepare();
  void Unprepare();

  // Binds the parameters and runs the statement, starting the transaction when it is not active. A
  // statement that returns rows leaves its cursor open for Fetch.
  void Execute();
  // A SELECT: its rows come through Fetch.
  bool ReturnsRows() const;
  const QVector<TFbColumn>& Columns() const;
  // The next row; after an EXECUTE PROCEDURE or a RETURNING, its one row of outputs.
  bool Fetch(QVector<QVariant>& ARow);
  // The next row into the statement's output message, without converting its values.
  bool Fetch() { return Statement().Fetch(); }
  const char* Message() const { return Statement().Message(); }
  int MessageSize() const { return Statement().MessageSize(); }
  void CloseCursor();
  // Rows inserted, updated or deleted by the last execution.
  int RowsAffected() const;

 private:
  void SqlCambiado();
  TFbStatement& Statement() const;

  std::unique_ptr<TParams> FParams;
  bool FParamCheck = true;
  QPointer<TFbConnection> FConnection;
  QPointer<TFbTransaction> FTransaction;
  QString FTextoServidor;  // the SQL text with every parameter mark turned into "?"
  QStringList FNombres;    // the parameter marks in order
  std::unique_ptr<TFbStatement> FStatement;
  int FAttachment = 0;  // the connection's attachment the statement was prepared on
};

// The SQL text with every ":NAME" mark outside literals, quoted names and comments turned into "?"; the
// names, in order, go to ANombres.
QString MarcarParametros(const QString& ASql, QStringList& ANombres);
