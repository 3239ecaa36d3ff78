#include "Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "Exception.h"

namespace {
constexpr QChar Separador = QLatin1Char('/');
}

QString JoinPath(const QString& APath, const QString& AName) {
  return APath.endsWith(Separador) ? APath + AName : APath + Separador + AName;
}

QString CurrentFolder() { return QDir::currentPath(); }

QString TempFolder() { return QDir::tempPath(); }

QString ExtractFileName(const QString& APath) { return QFileInfo(APath).fileName(); }

qint64 FileSize(const QString& APath) {
  const QFileInfo info(APath);
  return info.isFile() ? info.size() : -1;
}

bool CreateDir(const QString& APath) { return QDir().mkdir(APath); }

bool DeleteTree(const QString& APath) { return QDir(APath).removeRecursively(); }

void DeleteFileOrRaise(const QString& APath) {
  QFile archivo(APath);
  if (archivo.exists() && !archivo.remove())
    throw EFileError(QStringLiteral("No se puede eliminar el archivo \"%1\". %2").arg(APath, archivo.errorString()));
}
