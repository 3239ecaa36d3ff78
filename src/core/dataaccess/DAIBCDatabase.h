#pragma once

// The suite's connection and transaction adapters over the Firebird components.

#include <QStringList>

#include "platform/fbdac/FbConnection.h"
#include "platform/fbdac/FbTransaction.h"

class TqovDAParam;
class TqovDATransaction;

enum TTPBMode { tpbDefault = 0, tpbReadCommitted = 1, tpbRepeatableRead = 2 };

// The connection options of the suite: scaled numerics as BCD.
class TqovDAConnectionOptions : public TFbConnectionOptions {
 public:
  TqovDAConnectionOptions() {
    EnableBCD = true;
    KeepDesignConnected = false;
  }
};

// The suite's connection: the client library "fbclient.dll", no login prompt, and text blobs read as memo
// fields.
class TqovDADatabase : public TFbConnection {
  Q_OBJECT

 public:
  explicit TqovDADatabase(QObject* AOwner = nullptr);

  // Kept for the suite's settings; nothing reads them.
  int Timeout = 0;
  int WaitForRestoreConnect = 0;

  // Server, ":" and path, or a path; DatabaseName is the same property.
  const QString& DBName() const { return Database; }
  void SetDBName(const QString& AValue) { Database = AValue; }
  const QString& DatabaseName() const { return Database; }
  void SetDatabaseName(const QString& AValue) { Database = AValue; }
  const QString& LibraryName() const { return ClientLibrary; }
  void SetLibraryName(const QString& AValue) { ClientLibrary = AValue; }
  bool UseLoginPrompt() const { return LoginPrompt; }
  void SetUseLoginPrompt(bool AValue) { LoginPrompt = AValue; }
  // The connection parameter lines; setting them copies the given lines.
  TStrings& DBParams() { return Params; }
  void SetDBParams(const QStringList& AValue) { Params.Assign(AValue); }

  TqovDATransaction* DefaultTransaction() const;
  void SetDefaultTransaction(TqovDATransaction* AValue);
  TqovDAConnectionOptions& Options() const { return static_cast<TqovDAConnectionOptions&>(TFbConnection::Options()); }

  bool TestConnected() const { return Connected(); }
  // Closes every data set of the connection, the last one first.
  void CloseDataSets();
  // A parameter of the connection's own command.
  TqovDAParam& ParamByName(const QString& AName) const;

  // Database information of the open database.
  QString FBVersion();
  int ODSMajorVersion();
  int ODSMinorVersion();
  QStringList UserNames();
  // The third and fourth parts of ServerVersion; EListError when it has fewer, EConvertError when the part
  // is not a number.
  int ServerRelease();
  int ServerBuild();
};

// Part AIndice (from 0) of a dotted server version; EListError when it has no such part, EConvertError when
// the part is not a number.
int ParteDeVersionServidor(const QString& AServerVersion, int AIndice);

// The suite's transaction: its kind as a TPBMode over the isolation level.
class TqovDATransaction : public TFbTransaction {
  Q_OBJECT

 public:
  using TFbTransaction::TFbTransaction;

  TTPBMode TPBMode() const;
  void SetTPBMode(TTPBMode AValue);
  TStrings& TRParams() { return Params; }
  void SetTRParams(const QStringList& AValue) { Params.Assign(AValue); }
  TTransactionAction TimeoutAction() const { return DefaultCloseAction; }
  void SetTimeoutAction(TTransactionAction AValue) { DefaultCloseAction = AValue; }
  TqovDADatabase* DefaultDatabase() const { return qobject_cast<TqovDADatabase*>(DefaultConnection()); }
  void SetDefaultDatabase(TqovDADatabase* AValue) { SetDefaultConnection(AValue); }
  bool InTransaction() const { return Active(); }

  void SetSavePoint(const QString& SavePointName) { StartSavepoint(SavePointName); }
  void RollBackToSavePoint(const QString& SavePointName) { RollbackSavepoint(SavePointName); }
  // The default connection; else the first attached connection whose default transaction this is.
  TqovDADatabase* MainDatabase() const;
};
