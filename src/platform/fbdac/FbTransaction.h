#pragma once

// The data-access component for a transaction over one or more connections.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>

#include "platform/fbclient/FbTransactionHandle.h"
#include "platform/rtl/Strings.h"

class TFbConnection;

// The isolation and access mode of a transaction; iblCustom takes them all from Params.
enum TIsolationLevel {
  iblSnapshot,
  iblReadCommitted,
  iblReadOnlyReadCommitted,
  iblTableStability,
  iblReadOnlyTableStability,
  iblCustom
};

// How a transaction is ended when it is closed without a commit or rollback of its own.
enum TTransactionAction { taCommit, taRollback, taCommitRetaining, taRollbackRetaining };

// A transaction on one connection: the default connection, or else the first connection whose default
// transaction this is.
class TFbTransaction : public QObject {
  Q_OBJECT

 public:
  explicit TFbTransaction(QObject* AOwner = nullptr);
  // Ends an active transaction by its DefaultCloseAction.
  ~TFbTransaction() override;

  TIsolationLevel IsolationLevel = iblReadCommitted;
  // Transaction parameter names (concurrency, read_committed, rec_version, wait, nowait...).
  TStrings Params;
  TTransactionAction DefaultCloseAction = taRollback;

  TFbConnection* DefaultConnection() const { return FDefaultConnection; }
  void SetDefaultConnection(TFbConnection* AValue);
  // The connections attached to this transaction, in the order they joined.
  QList<TFbConnection*> Connections() const;
  // The connection the transaction runs on; null when it has none.
  TFbConnection* Connection() const;

  // The parameter block the next start sends: the isolation level's items, then those of Params that are
  // not already there (only those of Params for iblCustom).
  QByteArray Tpb() const;

  bool Active() const { return FHandle.IsActive(); }
  // Raises EDatabaseError without an open connection, or when the transaction is active already.
  void StartTransaction();
  void Commit();
  void Rollback();
  void CommitRetaining();
  void RollbackRetaining();
  void StartSavepoint(const QString& AName);
  void RollbackSavepoint(const QString& AName);
  void ReleaseSavepoint(const QString& AName);
  // Ends an active transaction by its DefaultCloseAction.
  void Reset();

  // The running transaction; starts it first when it is not active.
  TFbTransactionHandle& Handle();

 private:
  friend class TFbConnection;

  // Ends the transaction: a commit for the commit actions, a rollback for the others.
  void Terminar(TTransactionAction AAction);
  void UnirConexion(TFbConnection* AConnection);
  void CheckActive() const;

  QPointer<TFbConnection> FDefaultConnection;
  QList<QPointer<TFbConnection>> FConnections;
  TFbTransactionHandle FHandle;
};
