#include "platform/os/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

#include "platform/os/Paths.h"
#include "platform/rtl/Exception.h"

namespace {

const QString ExtensionBloqueo = QStringLiteral(".lock");
constexpr qsizetype LargoMaximoNombre = 255;

// Opens the lock file for writing, creating it when missing, never through a link. Only whoever may write
// the folder may write the file, so no one else can hold the lock: the file takes the folder's write
// permissions.
int AbrirArchivo(const QByteArray& ARuta) {
  const int descriptor = open(ARuta.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (descriptor < 0) return descriptor;
  struct stat archivo {};
  struct stat carpeta {};
  const QByteArray ruta = QFile::encodeName(QFileInfo(QFile::decodeName(ARuta)).absolutePath());
  if (fstat(descriptor, &archivo) != 0 || !S_ISREG(archivo.st_mode)) {
    close(descriptor);
    errno = EISDIR;
    return -1;
  }
  if (archivo.st_uid == geteuid() && stat(ruta.constData(), &carpeta) == 0)
    fchmod(descriptor, (S_IRUSR | S_IWUSR) | (carpeta.st_mode & S_IWGRP ? S_IRGRP | S_IWGRP : 0) |
                           (carpeta.st_mode & S_IWOTH ? S_IROTH | S_IWOTH : 0));
  return descriptor;
}

// Whether the locked descriptor is still the file that the path names: a holder removes the file when it
// releases the lock, and a lock on a removed file excludes nobody.
bool EsElArchivoActual(int ADescriptor, const QByteArray& ARuta) {
  struct stat abierto {};
  struct stat actual {};
  return fstat(ADescriptor, &abierto) == 0 && lstat(ARuta.constData(), &actual) == 0 &&
         abierto.st_dev == actual.st_dev && abierto.st_ino == actual.st_ino;
}

// The error of a lock that cannot be taken, ending as a named mutex's time-out does.
EFileError ErrorDeBloqueo(const QByteArray& ARuta) {
  return EFileError(QStringLiteral("No se puede bloquear el archivo \"%1\" (%2): Mutex Timeout")
                        .arg(QFile::decodeName(ARuta), QString::fromLocal8Bit(std::strerror(errno))));
}

}  // namespace

TFileLock::TFileLock(const QString& AFolder, const QString& AName)
    : FRuta(QFile::encodeName(LockFilePath(AFolder, AName))) {
  for (;;) {
    FDescriptor = AbrirArchivo(FRuta);
    if (FDescriptor < 0) throw ErrorDeBloqueo(FRuta);
    int resultado = 0;
    while ((resultado = flock(FDescriptor, LOCK_EX)) != 0 && errno == EINTR) {
    }
    if (resultado != 0) {
      const EFileError error = ErrorDeBloqueo(FRuta);
      close(FDescriptor);
      throw error;
    }
    if (EsElArchivoActual(FDescriptor, FRuta)) return;
    close(FDescriptor);
  }
}

TFileLock::~TFileLock() {
  // Removed while still locked, so that a process that finds the file afterwards finds a new one.
  unlink(FRuta.constData());
  close(FDescriptor);
}

QString TFileLock::LockFilePath(const QString& AFolder, const QString& AName) {
  QString nombre = QString(AName).replace(QLatin1Char('/'), QLatin1Char('_')) + ExtensionBloqueo;
  if (QFile::encodeName(nombre).size() > LargoMaximoNombre)
    nombre = QString::fromLatin1(QCryptographicHash::hash(AName.toUtf8(), QCryptographicHash::Sha256).toHex()) +
             ExtensionBloqueo;
  return JoinPath(AFolder, nombre);
}
