#include "platform/fbclient/FbTransactionHandle.h"

#include <QRegularExpression>
#include <atomic>

#include "platform/fbclient/FbError.h"

namespace {

struct TTpbItem {
  const char* Name;
  char Item;
};

constexpr TTpbItem TpbItems[] = {
    {"consistency", isc_tpb_consistency},
    {"concurrency", isc_tpb_concurrency},
    {"shared", isc_tpb_shared},
    {"protected", isc_tpb_protected},
    {"exclusive", isc_tpb_exclusive},
    {"wait", isc_tpb_wait},
    {"nowait", isc_tpb_nowait},
    {"read", isc_tpb_read},
    {"write", isc_tpb_write},
    {"verb_time", isc_tpb_verb_time},
    {"commit_time", isc_tpb_commit_time},
    {"ignore_limbo", isc_tpb_ignore_limbo},
    {"read_committed", isc_tpb_read_committed},
    {"autocommit", isc_tpb_autocommit},
    {"rec_version", isc_tpb_rec_version},
    {"no_rec_version", isc_tpb_no_rec_version},
    {"restart_requests", isc_tpb_restart_requests},
    {"no_auto_undo", isc_tpb_no_auto_undo},
};

QString UnknownItem(const QString& ALine) {
  return QStringLiteral("Parámetro de transacción desconocido: '%1'.").arg(ALine);
}

void AddLockTimeout(QByteArray& ATpb, const QString& ALine, const QString& AValue) {
  bool ok = false;
  const uint seconds = AValue.trimmed().toUInt(&ok);
  if (!ok) throw EFbError(UnknownItem(ALine));
  ATpb.append(char(isc_tpb_lock_timeout)).append(char(4));
  for (int i = 0; i < 4; ++i) ATpb.append(static_cast<char>((seconds >> (8 * i)) & 0xFF));
}

char TpbItem(const QString& AName, const QString& ALine) {
  for (const TTpbItem& item : TpbItems)
    if (AName.compare(QLatin1String(item.Name), Qt::CaseInsensitive) == 0) return item.Item;
  throw EFbError(UnknownItem(ALine));
}

}  // namespace

QByteArray BuildTpb(const QStringList& AItems) {
  QByteArray tpb(1, isc_tpb_version3);
  for (const QString& line : AItems) {
    if (line.trimmed().isEmpty()) continue;
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    const QString name = line.left(equals).trimmed();
    if (equals < 0)
      tpb.append(TpbItem(name, line));
    else if (name.compare(QLatin1String("lock_timeout"), Qt::CaseInsensitive) == 0)
      AddLockTimeout(tpb, line, line.mid(equals + 1));
    else
      throw EFbError(UnknownItem(line));
  }
  return tpb;
}

TFbTransactionHandle::~TFbTransactionHandle() {
  // A destructor cannot report a failed rollback; the server ends the transaction with the attachment.
  if (IsActive()) {
    ISC_STATUS_ARRAY status;
    FLibrary->Api().isc_rollback_transaction(status, &FHandle);
  }
}

void TFbTransactionHandle::Start(TFbAttachment& AAttachment, const QByteArray& ATpb) {
  if (IsActive()) throw EFbError(QStringLiteral("La transacción ya está activa."));
  AAttachment.CheckAttached();
  // The transaction existence block of isc_start_multiple, for one attachment.
  struct {
    isc_db_handle* Database;
    int TpbLength;
    const char* Tpb;
  } teb{AAttachment.Handle(), static_cast<int>(ATpb.size()), ATpb.constData()};
  ISC_STATUS_ARRAY status;
  if (AAttachment.Library().Api().isc_start_multiple(status, &FHandle, 1, &teb)) AAttachment.Raise(status);
  static std::atomic<quint64> starts{0};
  FSerial = ++starts;
  FAttachment = &AAttachment;
  FLibrary = &AAttachment.Library();
}

void TFbTransactionHandle::CheckActive() const {
  if (!IsActive()) throw EFbError(QStringLiteral("La transacción no está activa."));
}

void TFbTransactionHandle::Commit() {
  CheckActive();
  ISC_STATUS_ARRAY status;
  if (FLibrary->Api().isc_commit_transaction(status, &FHandle)) FAttachment->Raise(status);
}

void TFbTransactionHandle::Rollback() {
  CheckActive();
  ISC_STATUS_ARRAY status;
  if (FLibrary->Api().isc_rollback_transaction(status, &FHandle)) FAttachment->Raise(status);
}

void TFbTransactionHandle::CommitRetaining() {
  CheckActive();
  ISC_STATUS_ARRAY status;
  if (FLibrary->Api().isc_commit_retaining(status, &FHandle)) FAttachment->Raise(status);
}

void TFbTransactionHandle::RollbackRetaining() {
  CheckActive();
  ISC_STATUS_ARRAY status;
  if (FLibrary->Api().isc_rollback_retaining(status, &FHandle)) FAttachment->Raise(status);
}

void TFbTransactionHandle::StartSavepoint(const QString& AName) {
  ExecuteSavepointSql(QStringLiteral("SAVEPOINT "), AName);
}

void TFbTransactionHandle::RollbackSavepoint(const QString& AName) {
  ExecuteSavepointSql(QStringLiteral("ROLLBACK TO SAVEPOINT "), AName);
}

void TFbTransactionHandle::ReleaseSavepoint(const QString& AName) {
  ExecuteSavepointSql(QStringLiteral("RELEASE SAVEPOINT "), AName);
}

void TFbTransactionHandle::ExecuteSavepointSql(const QString& ASql, const QString& AName) {
  // The name goes into the statement text, so only a plain identifier is accepted.
  static const QRegularExpression identifier(QStringLiteral("^[A-Za-z][A-Za-z0-9_$]*$"));
  if (!identifier.match(AName).hasMatch())
    throw EFbError(QStringLiteral("El nombre del punto de guardado '%1' no es válido.").arg(AName));
  CheckActive();
  const QByteArray sql = (ASql + AName).toLatin1();
  ISC_STATUS_ARRAY status;
  if (FLibrary->Api().isc_dsql_execute_immediate(status, FAttachment->Handle(), &FHandle, 0, sql.constData(),
                                                 static_cast<unsigned short>(FAttachment->Dialect()), nullptr))
    FAttachment->Raise(status);
}
