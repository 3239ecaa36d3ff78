#include "platform/os/Paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

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

bool IsSymLink(const QString& APath) {
  struct stat datos {};
  return lstat(QFile::encodeName(APath).constData(), &datos) == 0 && S_ISLNK(datos.st_mode);
}

bool CreateDir(const QString& APath) { return QDir().mkdir(APath); }

bool SyncToDisk(const QString& APath) {
  const int descriptor = open(QFile::encodeName(APath).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (descriptor < 0) return false;
  const bool hecho = fsync(descriptor) == 0;
  return close(descriptor) == 0 && hecho;
}

bool SameFile(const QString& AOne, const QString& AOther) {
  struct stat uno {};
  struct stat otro {};
  return lstat(QFile::encodeName(AOne).constData(), &uno) == 0 &&
         lstat(QFile::encodeName(AOther).constData(), &otro) == 0 && uno.st_dev == otro.st_dev &&
         uno.st_ino == otro.st_ino;
}

bool CopyOwnerAndMode(const QString& AFrom, const QString& ATo) {
  struct stat datos {};
  struct stat destino {};
  const QByteArray hacia = QFile::encodeName(ATo);
  if (lstat(QFile::encodeName(AFrom).constData(), &datos) != 0 || lstat(hacia.constData(), &destino) != 0)
    return false;
  // Only what differs is changed.
  if (geteuid() == 0 && (destino.st_uid != datos.st_uid || destino.st_gid != datos.st_gid) &&
      lchown(hacia.constData(), datos.st_uid, datos.st_gid) != 0)
    return false;
  if (lstat(hacia.constData(), &destino) != 0) return false;
  return (destino.st_mode & 07777) == (datos.st_mode & 07777) ||
         fchmodat(AT_FDCWD, hacia.constData(), datos.st_mode & 07777, 0) == 0;
}

namespace {

QString FolderOf(const QString& APath) { return QFileInfo(APath).absolutePath(); }

// What names a copy in progress: the copy's final name, this mark and six random characters.
const QString MarcaCopiaSinTerminar = QStringLiteral(".copia-sin-terminar.");

// Removes from the folder what copies that a crash interrupted left there: regular files whose name ends in the
// mark and six random characters. A link of such a name is left, as is anything else.
void RemoveCopyLeftovers(const QString& AFolder) {
  static const QRegularExpression sobrante(QStringLiteral("^.+") + QRegularExpression::escape(MarcaCopiaSinTerminar) +
                                           QStringLiteral("[A-Za-z0-9]{6}$"));
  for (const QString& nombre : QDir(AFolder).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
    const QByteArray ruta = QFile::encodeName(JoinPath(AFolder, nombre));
    struct stat datos {};
    if (sobrante.match(nombre).hasMatch() && lstat(ruta.constData(), &datos) == 0 && S_ISREG(datos.st_mode))
      unlink(ruta.constData());
  }
}

// Copies AFrom, with its owner and mode, under a passing name in ATo's folder, flushes the copy, then gives it
// the name ATo.
bool CopyNoReplace(const QString& AFrom, const QString& ATo) {
  QFile origen(AFrom);
  if (!origen.open(QIODevice::ReadOnly)) return false;
  RemoveCopyLeftovers(FolderOf(ATo));
  QByteArray plantilla = QFile::encodeName(ATo + MarcaCopiaSinTerminar + QStringLiteral("XXXXXX"));
  const int descriptor = mkostemp(plantilla.data(), O_CLOEXEC);
  if (descriptor < 0) return false;
  QFile copia;
  bool hecho = copia.open(descriptor, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
  while (hecho && !origen.atEnd()) {
    const QByteArray bloque = origen.read(1 << 20);
    hecho = !bloque.isEmpty() && copia.write(bloque) == bloque.size();
  }
  hecho = hecho && copia.flush() && fsync(descriptor) == 0;
  copia.close();
  hecho = hecho && CopyOwnerAndMode(AFrom, QFile::decodeName(plantilla));
  hecho = hecho && renameat2(AT_FDCWD, plantilla.constData(), AT_FDCWD, QFile::encodeName(ATo).constData(),
                             RENAME_NOREPLACE) == 0;
  if (!hecho) unlink(plantilla.constData());
  return hecho;
}

}  // namespace

bool KeepCopyNoReplace(const QString& AFrom, const QString& ATo) {
  if (link(QFile::encodeName(AFrom).constData(), QFile::encodeName(ATo).constData()) != 0) {
    const bool sinEnlace = errno == EXDEV || errno == EPERM || errno == EMLINK || errno == EOPNOTSUPP;
    if (!sinEnlace || !CopyNoReplace(AFrom, ATo)) return false;
  }
  if (SyncToDisk(ATo) && SyncToDisk(FolderOf(ATo))) return true;
  QFile::remove(ATo);
  return false;
}

bool ReplaceFileAtomically(const QString& AFrom, const QString& ATo) {
  if (rename(QFile::encodeName(AFrom).constData(), QFile::encodeName(ATo).constData()) != 0) return false;
  // The move is made: a folder that cannot be flushed now changes nothing of that.
  SyncToDisk(FolderOf(ATo));
  return true;
}

bool DeleteTree(const QString& APath) {
  // QDir follows a link at its top and would empty the folder it points at; inside, it removes links as links.
  struct stat datos {};
  const QByteArray ruta = QFile::encodeName(APath);
  if (lstat(ruta.constData(), &datos) != 0) return errno == ENOENT;
  if (!S_ISDIR(datos.st_mode)) return unlink(ruta.constData()) == 0;
  return QDir(APath).removeRecursively();
}

QString CreatePrivateDir(const QString& AParent, const QString& APrefix) {
  QByteArray plantilla = QFile::encodeName(JoinPath(AParent, APrefix + QStringLiteral("XXXXXX")));
  if (mkdtemp(plantilla.data()) == nullptr) return {};
  return QFile::decodeName(plantilla);
}

void DeleteFileOrRaise(const QString& APath) {
  QFile archivo(APath);
  if (archivo.exists() && !archivo.remove())
    throw EFileError(QStringLiteral("No se puede eliminar el archivo \"%1\". %2").arg(APath, archivo.errorString()));
}
