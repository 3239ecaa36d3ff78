#include "platform/os/Paths.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>

#include "platform/rtl/Exception.h"

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

bool FileExists(const QString& APath) { return QFileInfo(APath).isFile(); }

bool PathTaken(const QString& APath) {
  struct stat datos {};
  return lstat(QFile::encodeName(APath).constData(), &datos) == 0;
}

bool DirectoryExists(const QString& APath) { return QFileInfo(APath).isDir(); }

bool CreateDir(const QString& APath) { return QDir().mkdir(APath); }

bool MoveFileNoReplace(const QString& AFrom, const QString& ATo) {
  const QByteArray desde = QFile::encodeName(AFrom);
  const QByteArray hacia = QFile::encodeName(ATo);
  if (renameat2(AT_FDCWD, desde.constData(), AT_FDCWD, hacia.constData(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EXDEV) return false;
  // Between file systems: a copy (which never replaces), then the original goes; a copy whose original
  // cannot go is taken back, so the file stays in one place only.
  if (!QFile::copy(AFrom, ATo)) return false;
  if (QFile::remove(AFrom)) return true;
  QFile::remove(ATo);
  return false;
}

bool DeleteTree(const QString& APath) { return QDir(APath).removeRecursively(); }

void DeleteFileOrRaise(const QString& APath) {
  QFile archivo(APath);
  if (archivo.exists() && !archivo.remove())
    throw EFileError(QStringLiteral("No se puede eliminar el archivo \"%1\". %2").arg(APath, archivo.errorString()));
}
