#pragma once

// A Firebird transaction handle and its parameter block.

#include <ibase.h>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "platform/fbclient/FbAttachment.h"

// A transaction parameter block: isc_tpb_version3, then one item for each name, which is an isc_tpb_*
// name without its prefix ("read_committed", "nowait"...); "lock_timeout=N" also gives the seconds to
// wait. Blank lines are skipped. Raises EFbError for an unknown name.
QByteArray BuildTpb(const QStringList& AItems);

// One transaction of one attachment.
class TFbTransactionHandle {
 public:
  TFbTransactionHandle() = default;
  // An active transaction is rolled back.
  ~TFbTransactionHandle();
  TFbTransactionHandle(const TFbTransactionHandle&) = delete;
  TFbTransactionHandle& operator=(const TFbTransactionHandle&) = delete;

  void Start(TFbAttachment& AAttachment, const QByteArray& ATpb);
  void Commit();
  void Rollback();
  void CommitRetaining();
  void RollbackRetaining();
  bool IsActive() const { return FHandle != 0; }
  // Tells one start from every other: each start of any transaction gives a new number.
  quint64 Serial() const { return FSerial; }

  // Save points, named as SQL identifiers.
  void StartSavepoint(const QString& AName);
  void RollbackSavepoint(const QString& AName);
  void ReleaseSavepoint(const QString& AName);

  // The attachment of the running transaction.
  TFbAttachment& Attachment() const { return *FAttachment; }
  isc_tr_handle* Handle() { return &FHandle; }

 private:
  void CheckActive() const;
  void ExecuteSavepointSql(const QString& ASql, const QString& AName);

  TFbAttachment* FAttachment = nullptr;
  TFbClientLibrary* FLibrary = nullptr;
  isc_tr_handle FHandle = 0;
  quint64 FSerial = 0;
};
