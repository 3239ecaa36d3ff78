#include "platform/fbclient/FbClient.h"

#include <dlfcn.h>

#include <QFile>
#include <QHash>
#include <mutex>

// A library that fails to load raises EFbError, and EFbError reads its texts through the loaded library.
#include "platform/fbclient/FbError.h"

namespace {

QString FileNameFor(const QString& AName) {
  return AName.compare(QStringLiteral("fbclient.dll"), Qt::CaseInsensitive) == 0 ? QStringLiteral("libfbclient.so.2")
                                                                                 : AName;
}

template <typename F>
void Resolve(void* AHandle, const QString& AName, const char* AFunction, F& APointer) {
  APointer = reinterpret_cast<F>(dlsym(AHandle, AFunction));
  if (!APointer)
    throw EFbError(QStringLiteral("La biblioteca cliente '%1' no tiene la función %2.")
                       .arg(AName, QString::fromLatin1(AFunction)));
}

}  // namespace

QString DecodeFbText(const char* AData, qsizetype ALength, TFbTextEncoding AEncoding) {
  return AEncoding == TFbTextEncoding::Utf8 ? QString::fromUtf8(AData, ALength) : QString::fromLatin1(AData, ALength);
}

QByteArray EncodeFbText(const QString& AText, TFbTextEncoding AEncoding) {
  return AEncoding == TFbTextEncoding::Utf8 ? AText.toUtf8() : AText.toLatin1();
}

qint64 FbReplyInteger(const char* AData, int ALength) {
  qint64 value = 0;
  for (int i = ALength - 1; i >= 0; --i) value = (value << 8) | static_cast<quint8>(AData[i]);
  if (ALength > 0 && ALength < 8 && (static_cast<quint8>(AData[ALength - 1]) & 0x80))
    value -= qint64(1) << (8 * ALength);
  return value;
}

int FbClusterLength(const QByteArray& AReply, qsizetype APosition) {
  return static_cast<int>(FbReplyInteger(AReply.constData() + APosition + 1, 2));
}

#define FB_RESOLVE(function) Resolve(handle, AName, #function, FApi.function)

TFbClientLibrary::TFbClientLibrary(const QString& AName, const QString& AFileName) {
  void* handle = dlopen(QFile::encodeName(AFileName).constData(), RTLD_NOW | RTLD_LOCAL);
  if (!handle)
    throw EFbError(QStringLiteral("No se pudo cargar la biblioteca cliente '%1': %2")
                       .arg(AName, QString::fromLocal8Bit(dlerror())));
  try {
    FB_RESOLVE(isc_attach_database);
    FB_RESOLVE(isc_detach_database);
    FB_RESOLVE(isc_database_info);
    FB_RESOLVE(isc_start_multiple);
    FB_RESOLVE(isc_commit_transaction);
    FB_RESOLVE(isc_commit_retaining);
    FB_RESOLVE(isc_rollback_transaction);
    FB_RESOLVE(isc_rollback_retaining);
    FB_RESOLVE(isc_dsql_allocate_statement);
    FB_RESOLVE(isc_dsql_prepare);
    FB_RESOLVE(isc_dsql_describe);
    FB_RESOLVE(isc_dsql_describe_bind);
    FB_RESOLVE(isc_dsql_sql_info);
    FB_RESOLVE(isc_dsql_execute);
    FB_RESOLVE(isc_dsql_execute2);
    FB_RESOLVE(isc_dsql_execute_immediate);
    FB_RESOLVE(isc_dsql_fetch);
    FB_RESOLVE(isc_dsql_free_statement);
    FB_RESOLVE(isc_create_blob2);
    FB_RESOLVE(isc_open_blob2);
    FB_RESOLVE(isc_blob_info);
    FB_RESOLVE(isc_get_segment);
    FB_RESOLVE(isc_put_segment);
    FB_RESOLVE(isc_close_blob);
    FB_RESOLVE(isc_cancel_blob);
    FB_RESOLVE(fb_interpret);
    FB_RESOLVE(isc_sqlcode);
    FB_RESOLVE(isc_get_client_version);
  } catch (...) {
    dlclose(handle);
    throw;
  }
}

#undef FB_RESOLVE

TFbClientLibrary& TFbClientLibrary::Load(const QString& AName) {
  // Libraries stay loaded for the whole process: handles made through them may live anywhere.
  static std::mutex guard;
  static QHash<QString, TFbClientLibrary*> loaded;
  const QString fileName = FileNameFor(AName);
  const std::lock_guard lock(guard);
  auto library = loaded.constFind(fileName);
  if (library == loaded.cend()) library = loaded.insert(fileName, new TFbClientLibrary(AName, fileName));
  return **library;
}

QString TFbClientLibrary::ClientVersion() const {
  char buffer[200] = {};
  FApi.isc_get_client_version(buffer);
  return QString::fromLatin1(buffer);
}
