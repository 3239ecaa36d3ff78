#pragma once

// The Firebird client library, loaded by name at run time.

#include <ibase.h>

#include <QByteArray>
#include <QString>

// The functions of the Firebird client library that the platform calls, resolved at run time.
struct TFbClientApi {
  decltype(&::isc_attach_database) isc_attach_database;
  decltype(&::isc_detach_database) isc_detach_database;
  decltype(&::isc_database_info) isc_database_info;
  decltype(&::isc_start_multiple) isc_start_multiple;
  decltype(&::isc_commit_transaction) isc_commit_transaction;
  decltype(&::isc_commit_retaining) isc_commit_retaining;
  decltype(&::isc_rollback_transaction) isc_rollback_transaction;
  decltype(&::isc_rollback_retaining) isc_rollback_retaining;
  decltype(&::isc_dsql_allocate_statement) isc_dsql_allocate_statement;
  decltype(&::isc_dsql_prepare) isc_dsql_prepare;
  decltype(&::isc_dsql_describe) isc_dsql_describe;
  decltype(&::isc_dsql_describe_bind) isc_dsql_describe_bind;
  decltype(&::isc_dsql_sql_info) isc_dsql_sql_info;
  decltype(&::isc_dsql_execute) isc_dsql_execute;
  decltype(&::isc_dsql_execute2) isc_dsql_execute2;
  decltype(&::isc_dsql_execute_immediate) isc_dsql_execute_immediate;
  decltype(&::isc_dsql_fetch) isc_dsql_fetch;
  decltype(&::isc_dsql_free_statement) isc_dsql_free_statement;
  decltype(&::isc_create_blob2) isc_create_blob2;
  decltype(&::isc_open_blob2) isc_open_blob2;
  decltype(&::isc_blob_info) isc_blob_info;
  decltype(&::isc_get_segment) isc_get_segment;
  decltype(&::isc_put_segment) isc_put_segment;
  decltype(&::isc_close_blob) isc_close_blob;
  decltype(&::isc_cancel_blob) isc_cancel_blob;
  decltype(&::fb_interpret) fb_interpret;
  decltype(&::isc_sqlcode) isc_sqlcode;
  decltype(&::isc_get_client_version) isc_get_client_version;
};

// How an attachment's texts travel: UTF-8 for the Unicode character sets, one byte per character for
// every other one.
enum class TFbTextEncoding { Latin1, Utf8 };

QString DecodeFbText(const char* AData, qsizetype ALength, TFbTextEncoding AEncoding);
QByteArray EncodeFbText(const QString& AText, TFbTextEncoding AEncoding);

// Information replies are clusters: an item, a length of two bytes, then that many bytes of data.
// Their integers are little-endian and signed, of any length up to 8 bytes.
qint64 FbReplyInteger(const char* AData, int ALength);
int FbClusterLength(const QByteArray& AReply, qsizetype APosition);

// A Firebird client library loaded by name at run time; nothing links to it at build time. Each
// library is loaded once and kept until the process ends.
class TFbClientLibrary {
 public:
  // The library of that name, loaded on first use. "fbclient.dll", in any letter case, is the
  // system's libfbclient.so.2; any other name goes to the dynamic loader as it is. Raises EFbError when
  // the library cannot be loaded or lacks one of the functions.
  static TFbClientLibrary& Load(const QString& AName);

  TFbClientLibrary(const TFbClientLibrary&) = delete;
  TFbClientLibrary& operator=(const TFbClientLibrary&) = delete;

  const TFbClientApi& Api() const { return FApi; }

  // The library's own version text.
  QString ClientVersion() const;

 private:
  TFbClientLibrary(const QString& AName, const QString& AFileName);

  TFbClientApi FApi;
};
