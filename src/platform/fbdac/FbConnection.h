#pragma once

// The data-access component for a connection to a Firebird database.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

#include "platform/data/DataSet.h"
#include "platform/fbclient/FbAttachment.h"
#include "platform/fbclient/FbStatement.h"
#include "platform/fbdac/FbTransaction.h"
#include "platform/rtl/Strings.h"

class TFbCommand;

// How a connection's statements show their values.
class TFbConnectionOptions {
 public:
  virtual ~TFbConnectionOptions() = default;

  // The connection's character set (lc_ctype); empty for the server's default.
  QString Charset;
  // Scaled numerics become BCD fields instead of float ones.
  bool EnableBCD = false;
  // Kept for the suite's settings; nothing here depends on it.
  bool KeepDesignConnected = true;
};

// A rule of a connection's data-type map: columns of a server type become fields of a field type.
struct TDataTypeRule {
  TFbValueKind DBType;
  TFieldType FieldType;
};

// A connection to a Firebird database through the client library named in ClientLibrary.
class TFbConnection : public QObject {
  Q_OBJECT

 public:
  explicit TFbConnection(QObject* AOwner = nullptr);
  ~TFbConnection() override;

  // Server, ":" and path, or a path.
  QString Database;
  QString ClientLibrary = QStringLiteral("fbclient.dll");
  // Without a window system there is no login dialog: the switch is kept for the suite's settings.
  bool LoginPrompt = true;
  QString Username;
  QString Password;
  int SQLDialect = 3;
  // Connection parameter lines name=value (user_name, password, sql_role_name...).
  TStrings Params;

  TFbConnectionOptions& Options() const { return *FOptions; }

  TFbTransaction* DefaultTransaction() const { return FDefaultTransaction; }
  void SetDefaultTransaction(TFbTransaction* AValue);

  // Rules applied before the default mapping of server types to field types.
  QList<TDataTypeRule>& DataTypeMap() { return FDataTypeMap; }
  TFieldType FieldTypeOf(const TFbColumn& AColumn) const;

  bool Connected() const { return FAttachment.IsAttached(); }
  void SetConnected(bool AValue);
  void Open() { SetConnected(true); }
  // Closes the data sets and ends the transactions on this connection, then detaches.
  void Close() { SetConnected(false); }

  // The connection's own command, which ExecSQL runs in the default transaction.
  TFbCommand& Command() const { return *FCommand; }
  void ExecSQL(const QString& ASql);

  // The data sets that use this connection, in the order they were attached.
  QList<TDataSet*> DataSets() const;

  QString ClientVersion() const;
  // The dotted number (major.minor.release.build) of the server's version text.
  QString ServerVersion();
  int ServerMajorVersion();
  int ServerMinorVersion();

  // The open attachment; raises EDatabaseError when the connection is closed.
  TFbAttachment& Attachment();
  // Counts the attachments made, so that statements prepared on an earlier one are prepared again.
  int Attachments() const { return FAttachments; }

 protected:
  // A connection with options and an own command of a subclass's classes.
  TFbConnection(QObject* AOwner, std::unique_ptr<TFbConnectionOptions> AOptions, std::unique_ptr<TFbCommand> ACommand);

 private:
  friend class TFbTransaction;
  friend class TFbQuery;

  void RegistrarTransaccion(TFbTransaction* ATransaction);
  void RegistrarDataSet(TDataSet* ADataSet);
  void QuitarDataSet(TDataSet* ADataSet);
  QStringList ParametrosDeConexion() const;

  std::unique_ptr<TFbConnectionOptions> FOptions;
  std::unique_ptr<TFbCommand> FCommand;
  QPointer<TFbTransaction> FDefaultTransaction;
  QList<QPointer<TFbTransaction>> FTransactions;
  QList<QPointer<TDataSet>> FDataSets;
  QList<TDataTypeRule> FDataTypeMap;
  TFbAttachment FAttachment;
  int FAttachments = 0;
};
