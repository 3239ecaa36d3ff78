#pragma once

// One attachment to a Firebird database, and database information.

#include <ibase.h>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "platform/fbclient/FbClient.h"

// One attachment to a Firebird database through a client library. It keeps the connection's character
// set and SQL dialect, which its statements use for their texts and preparation.
class TFbAttachment {
 public:
  TFbAttachment() = default;
  ~TFbAttachment();
  TFbAttachment(const TFbAttachment&) = delete;
  TFbAttachment& operator=(const TFbAttachment&) = delete;

  // Attaches to ADatabaseName (a path, or "server:path") with connection parameters given as
  // "name=value" lines: user_name, password, sql_role_name, lc_ctype, sql_dialect. Raises EFbError for
  // an unknown name, a value the connection cannot carry, or a failed attachment.
  void Attach(TFbClientLibrary& ALibrary, const QString& ADatabaseName, const QStringList& AParamLines);
  // Detaches; an attachment that is not attached stays so.
  void Detach();
  bool IsAttached() const { return FHandle != 0; }

  TFbClientLibrary& Library() const { return *FLibrary; }
  isc_db_handle* Handle() { return &FHandle; }
  // The connection's character set as given (NONE when none was) and its SQL dialect (3 by default).
  const QString& CharacterSet() const { return FCharacterSet; }
  int Dialect() const { return FDialect; }
  TFbTextEncoding Encoding() const { return FEncoding; }
  // How the texts of a column in character set ACharacterSetId travel: as the attachment's, except that
  // an attachment without character set (NONE) gets every text in the column's own.
  TFbTextEncoding EncodingFor(short ACharacterSetId) const;
  QString DecodeText(const char* AData, qsizetype ALength) const { return DecodeFbText(AData, ALength, FEncoding); }
  QByteArray EncodeText(const QString& AText) const { return EncodeFbText(AText, FEncoding); }

  // Raises EFbError when the attachment is not attached.
  void CheckAttached() const;
  // Raises the EFbError of a failed call of the library on this attachment.
  [[noreturn]] void Raise(const ISC_STATUS* AStatus) const;

  // The database's raw reply to one information item, up to its end mark.
  QByteArray DatabaseInfo(char AItem);
  // The integer the database gives for an item (isc_info_ods_version and the like).
  int DatabaseInfoInteger(char AItem);
  // The first version text of isc_info_firebird_version, "LI-V3.0.11.33637 Firebird 3.0"; empty when
  // the reply does not bring it.
  QString FirebirdVersion();
  // The server's full version text: the same one, because isc_info_version reports the older InterBase
  // numbering ("LI-V6.3.11.33637 Firebird 3.0").
  QString ServerVersionText() { return FirebirdVersion(); }
  // The user of every attachment to the database, one entry each, in the reply's order.
  QStringList UserNames();

 private:
  TFbClientLibrary* FLibrary = nullptr;
  isc_db_handle FHandle = 0;
  QString FCharacterSet = QStringLiteral("NONE");
  int FDialect = 3;
  TFbTextEncoding FEncoding = TFbTextEncoding::Latin1;
};
