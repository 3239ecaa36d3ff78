#pragma once

// A prepared DSQL statement of one attachment, with its parameters and result columns.

#include <ibase.h>

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <QVector>
#include <memory>

#include "platform/fbclient/FbAttachment.h"
#include "platform/fbclient/FbTransactionHandle.h"
#include "platform/fbclient/FbValues.h"

enum class TFbStatementType { Select, SelectForUpdate, Insert, Update, Delete, ExecProcedure, Ddl, Other };

// A DSQL statement of one attachment, with '?' as placeholders of its parameters. Values travel as
// QVariant, as ReadValue and InputFor in FbValues.h convert them.
class TFbStatement {
 public:
  TFbStatement();
  ~TFbStatement();
  TFbStatement(const TFbStatement&) = delete;
  TFbStatement& operator=(const TFbStatement&) = delete;

  // Prepares ASql in the attachment's dialect and describes its parameters and columns; the statement
  // prepared before is freed.
  void Prepare(TFbAttachment& AAttachment, TFbTransactionHandle& ATransaction, const QString& ASql);
  bool IsPrepared() const { return FHandle != 0; }
  TFbStatementType Type() const { return FType; }
  const QVector<TFbColumn>& Inputs() const { return FInputs; }
  const QVector<TFbColumn>& Outputs() const { return FOutputs; }

  // Runs the statement with one value for each parameter, in order. A SELECT opens its cursor; a
  // statement with a single row of outputs (EXECUTE PROCEDURE, RETURNING) leaves that row for Fetch.
  // Fetch reads blobs in ATransaction, which must last while the rows are fetched.
  void Execute(TFbTransactionHandle& ATransaction, const QVector<QVariant>& AParams);
  // The next row into the output message; false when there is none left.
  bool Fetch();
  // The output message: each output's data and NULL indicator where its Offset and NullOffset say.
  const char* Message() const { return FOutBuffer.constData(); }
  int MessageSize() const { return static_cast<int>(FOutBuffer.size()); }
  // The next row into ARow (one value per output, blobs read); false when there is none left.
  bool Fetch(QVector<QVariant>& ARow);
  // Closes the open cursor, if any; a cursor that the end of its transaction closed is no error.
  void CloseCursor();
  // Rows inserted, updated and deleted by the last execution.
  qint64 RowsAffected();

 private:
  struct TSqlda;
  void Free();
  void Describe(TFbTransactionHandle& ATransaction, const QString& ASql);
  std::unique_ptr<TSqlda> DescribeWith(decltype(&::isc_dsql_describe) ADescribe);
  void AllocateOutputs();
  void BindInputs(TFbTransactionHandle& ATransaction, const QVector<QVariant>& AParams);
  QByteArray SqlInfo(char AItem);
  [[noreturn]] void Raise(const ISC_STATUS* AStatus) const;

  TFbAttachment* FAttachment = nullptr;
  TFbClientLibrary* FLibrary = nullptr;
  TFbTransactionHandle* FTransaction = nullptr;  // of the last execution, for reading blobs
  isc_stmt_handle FHandle = 0;
  TFbStatementType FType = TFbStatementType::Other;
  QVector<TFbColumn> FInputs;
  QVector<TFbColumn> FOutputs;
  std::unique_ptr<TSqlda> FInSqlda;
  std::unique_ptr<TSqlda> FOutSqlda;
  QVector<QByteArray> FInValues;
  QVector<short> FInNulls;
  QByteArray FOutBuffer;
  bool FCursorOpen = false;
  bool FRowPending = false;
};
