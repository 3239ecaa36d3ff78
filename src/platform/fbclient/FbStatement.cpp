#include "platform/fbclient/FbStatement.h"

#include <iberror.h>

#include "platform/fbclient/FbError.h"
#include "platform/rtl/RawBytes.h"

namespace {

// Descriptors made at first, before the statement says how many values it has.
constexpr short FirstSqldaSize = 20;
// Every value of the output message has room for at least a 32-bit integer, so that a copy of the
// message can hold a reference in place of any value; the message's size is a multiple of 8.
constexpr int MinimumValueRoom = 4;
constexpr int MessageAlignment = 8;

int AlignTo(int AValue, int AAlignment) { return (AValue + AAlignment - 1) / AAlignment * AAlignment; }

// The alignment of a value's data in a message, as the client library aligns it.
int AlignmentOf(short ASqlType) {
  switch (ASqlType) {
    case SQL_TEXT:
    case SQL_BOOLEAN:
      return 1;
    case SQL_VARYING:
    case SQL_SHORT:
      return 2;
    case SQL_INT64:
    case SQL_DOUBLE:
      return 8;
    default:
      return 4;
  }
}

TFbStatementType StatementType(qint64 AInfoType) {
  switch (AInfoType) {
    case isc_info_sql_stmt_select:
      return TFbStatementType::Select;
    case isc_info_sql_stmt_select_for_upd:
      return TFbStatementType::SelectForUpdate;
    case isc_info_sql_stmt_insert:
      return TFbStatementType::Insert;
    case isc_info_sql_stmt_update:
      return TFbStatementType::Update;
    case isc_info_sql_stmt_delete:
      return TFbStatementType::Delete;
    case isc_info_sql_stmt_exec_procedure:
      return TFbStatementType::ExecProcedure;
    case isc_info_sql_stmt_ddl:
      return TFbStatementType::Ddl;
  }
  return TFbStatementType::Other;
}

}  // namespace

// An extended SQL descriptor area for a number of values.
struct TFbStatement::TSqlda {
  explicit TSqlda(short ACount) : Storage(new char[XSQLDA_LENGTH(qMax<short>(ACount, 1))]()) {
    Get()->version = SQLDA_VERSION1;
    Get()->sqln = ACount;
  }
  XSQLDA* Get() { return reinterpret_cast<XSQLDA*>(Storage.get()); }
  XSQLVAR& Var(int AIndex) { return Get()->sqlvar[AIndex]; }

  std::unique_ptr<char[]> Storage;
};

TFbStatement::TFbStatement() = default;

TFbStatement::~TFbStatement() {
  // A destructor cannot report a failed release; the server frees the statement with its attachment.
  if (FHandle) {
    ISC_STATUS_ARRAY status;
    FLibrary->Api().isc_dsql_free_statement(status, &FHandle, DSQL_drop);
  }
}

void TFbStatement::Raise(const ISC_STATUS* AStatus) const { FAttachment->Raise(AStatus); }

void TFbStatement::Free() {
  FType = TFbStatementType::Other;
  FInputs.clear();
  FOutputs.clear();
  FCursorOpen = false;
  FRowPending = false;
  if (!FHandle) return;
  ISC_STATUS_ARRAY status;
  const ISC_STATUS result = FLibrary->Api().isc_dsql_free_statement(status, &FHandle, DSQL_drop);
  FHandle = 0;
  if (result) Raise(status);
}

void TFbStatement::Prepare(TFbAttachment& AAttachment, TFbTransactionHandle& ATransaction, const QString& ASql) {
  Free();
  AAttachment.CheckAttached();
  FAttachment = &AAttachment;
  FLibrary = &AAttachment.Library();
  ISC_STATUS_ARRAY status;
  if (FLibrary->Api().isc_dsql_allocate_statement(status, AAttachment.Handle(), &FHandle)) Raise(status);
  try {
    Describe(ATransaction, ASql);
  } catch (...) {
    ISC_STATUS_ARRAY ignored;
    FLibrary->Api().isc_dsql_free_statement(ignored, &FHandle, DSQL_drop);
    FHandle = 0;
    Free();
    throw;
  }
}

void TFbStatement::Describe(TFbTransactionHandle& ATransaction, const QString& ASql) {
  const TFbClientApi& api = FLibrary->Api();
  const QByteArray sql = FAttachment->EncodeText(ASql);
  ISC_STATUS_ARRAY status;
  // A length of 0: the text ends at its terminating zero, so statements of any length fit.
  if (api.isc_dsql_prepare(status, ATransaction.Handle(), &FHandle, 0, sql.constData(),
                           static_cast<unsigned short>(FAttachment->Dialect()), nullptr))
    Raise(status);
  const QByteArray type = SqlInfo(isc_info_sql_stmt_type);
  FType = type[0] == isc_info_sql_stmt_type
              ? StatementType(FbReplyInteger(type.constData() + 3, FbClusterLength(type, 0)))
              : TFbStatementType::Other;
  FOutSqlda = DescribeWith(api.isc_dsql_describe);
  FInSqlda = DescribeWith(api.isc_dsql_describe_bind);
  for (int i = 0; i < FOutSqlda->Get()->sqld; ++i) FOutputs << DescribeColumn(FOutSqlda->Var(i), *FAttachment);
  for (int i = 0; i < FInSqlda->Get()->sqld; ++i) FInputs << DescribeColumn(FInSqlda->Var(i), *FAttachment);
  AllocateOutputs();
}

std::unique_ptr<TFbStatement::TSqlda> TFbStatement::DescribeWith(decltype(&::isc_dsql_describe) ADescribe) {
  // A descriptor too small for every value is made again with room for all.
  auto sqlda = std::make_unique<TSqlda>(FirstSqldaSize);
  ISC_STATUS_ARRAY status;
  if (ADescribe(status, &FHandle, SQLDA_VERSION1, sqlda->Get())) Raise(status);
  if (sqlda->Get()->sqld > sqlda->Get()->sqln) {
    sqlda = std::make_unique<TSqlda>(sqlda->Get()->sqld);
    if (ADescribe(status, &FHandle, SQLDA_VERSION1, sqlda->Get())) Raise(status);
  }
  return sqlda;
}

void TFbStatement::AllocateOutputs() {
  // One buffer holds a row as a message: each value at its natural alignment followed by its NULL
  // indicator, which every column reports. Fetching allocates nothing, and a row is copied whole.
  int size = 0;
  for (TFbColumn& output : FOutputs) {
    output.Offset = AlignTo(size, AlignmentOf(output.SqlType));
    const int length = output.Length + (output.SqlType == SQL_VARYING ? 2 : 0);
    output.NullOffset = AlignTo(output.Offset + qMax(length, MinimumValueRoom), 2);
    size = output.NullOffset + static_cast<int>(sizeof(short));
  }
  FOutBuffer.fill(char(0), AlignTo(qMax(size, MessageAlignment), MessageAlignment));
  for (int i = 0; i < FOutputs.size(); ++i) {
    XSQLVAR& var = FOutSqlda->Var(i);
    var.sqltype = static_cast<short>(var.sqltype | 1);
    var.sqldata = FOutBuffer.data() + FOutputs[i].Offset;
    var.sqlind = reinterpret_cast<short*>(FOutBuffer.data() + FOutputs[i].NullOffset);
  }
}

QByteArray TFbStatement::SqlInfo(char AItem) {
  QByteArray reply(128, char(0));
  ISC_STATUS_ARRAY status;
  if (FLibrary->Api().isc_dsql_sql_info(status, &FHandle, 1, &AItem, static_cast<short>(reply.size()), reply.data()))
    Raise(status);
  return reply;
}

void TFbStatement::Execute(TFbTransactionHandle& ATransaction, const QVector<QVariant>& AParams) {
  if (!IsPrepared()) throw EFbError(QStringLiteral("La sentencia no está preparada."));
  if (AParams.size() != FInputs.size())
    throw EFbError(
        QStringLiteral("La sentencia espera %1 parámetros y recibió %2.").arg(FInputs.size()).arg(AParams.size()));
  CloseCursor();
  FRowPending = false;
  BindInputs(ATransaction, AParams);
  const TFbClientApi& api = FLibrary->Api();
  const XSQLDA* inputs = FInputs.isEmpty() ? nullptr : FInSqlda->Get();
  ISC_STATUS_ARRAY status;
  if (FType == TFbStatementType::Select || FType == TFbStatementType::SelectForUpdate) {
    if (api.isc_dsql_execute(status, ATransaction.Handle(), &FHandle, SQLDA_VERSION1, inputs)) Raise(status);
    FCursorOpen = true;
  } else if (!FOutputs.isEmpty()) {
    if (api.isc_dsql_execute2(status, ATransaction.Handle(), &FHandle, SQLDA_VERSION1, inputs, FOutSqlda->Get()))
      Raise(status);
    FRowPending = true;
  } else if (api.isc_dsql_execute(status, ATransaction.Handle(), &FHandle, SQLDA_VERSION1, inputs)) {
    Raise(status);
  }
  FTransaction = &ATransaction;
}

void TFbStatement::BindInputs(TFbTransactionHandle& ATransaction, const QVector<QVariant>& AParams) {
  FInValues.resize(FInputs.size());
  FInNulls.resize(FInputs.size());
  for (int i = 0; i < FInputs.size(); ++i) {
    const TFbInput input = InputFor(FInputs[i], i, AParams[i], ATransaction);
    XSQLVAR& var = FInSqlda->Var(i);
    var.sqltype = static_cast<short>(input.SqlType | 1);
    var.sqlsubtype = input.SubType;
    var.sqlscale = input.Scale;
    var.sqllen = input.Length;
    FInValues[i] = input.Data;
    var.sqldata = FInValues[i].data();
    FInNulls[i] = input.Null ? -1 : 0;
    var.sqlind = &FInNulls[i];
  }
}

bool TFbStatement::Fetch() {
  if (FRowPending) {
    FRowPending = false;
    return true;
  }
  if (!FCursorOpen) return false;
  ISC_STATUS_ARRAY status;
  const ISC_STATUS result = FLibrary->Api().isc_dsql_fetch(status, &FHandle, SQLDA_VERSION1, FOutSqlda->Get());
  if (result == 100) {
    CloseCursor();
    return false;
  }
  if (result) Raise(status);
  return true;
}

bool TFbStatement::Fetch(QVector<QVariant>& ARow) {
  if (!Fetch()) return false;
  ARow.resize(FOutputs.size());
  for (int i = 0; i < FOutputs.size(); ++i) {
    const TFbColumn& output = FOutputs[i];
    const char* data = FOutBuffer.constData() + output.Offset;
    ARow[i] = ReadRaw<short>(FOutBuffer.constData() + output.NullOffset) == -1 ? QVariant()
              : output.IsBlob() ? ReadBlobValue(output, data, *FTransaction)
                                : ReadValue(output, data);
  }
  return true;
}

void TFbStatement::CloseCursor() {
  if (!FCursorOpen) return;
  FCursorOpen = false;
  ISC_STATUS_ARRAY status;
  // The end of its transaction has closed the cursor already when the server says so.
  if (FLibrary->Api().isc_dsql_free_statement(status, &FHandle, DSQL_close) && status[1] != isc_dsql_cursor_close_err)
    Raise(status);
}

qint64 TFbStatement::RowsAffected() {
  if (!IsPrepared()) throw EFbError(QStringLiteral("La sentencia no está preparada."));
  // isc_info_sql_records holds one count for each kind of row operation.
  const QByteArray reply = SqlInfo(isc_info_sql_records);
  if (reply[0] != isc_info_sql_records) return 0;
  qint64 rows = 0;
  for (qsizetype position = 3; position + 3 <= reply.size() && reply[position] != isc_info_end;
       position += 3 + FbClusterLength(reply, position)) {
    const char item = reply[position];
    if (item == isc_info_req_insert_count || item == isc_info_req_update_count || item == isc_info_req_delete_count)
      rows += FbReplyInteger(reply.constData() + position + 3, FbClusterLength(reply, position));
  }
  return rows;
}
