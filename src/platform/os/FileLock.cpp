#include "platform/os/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QFile>
#include <cerrno>
#include <cstring>

#include "platform/os/Paths.h"
#include "platform/rtl/Exception.h"

namespace {

const QString CarpetaBloqueos = QStringLiteral("/tmp");
const QString ExtensionBloqueo = QStringLiteral(".lock");
constexpr qsizetype LargoMaximoNombre = 255;

// Opens the lock file, creating it when missing. Without O_CREAT on an existing file, because /tmp may
// refuse that for a file of another user; reading is all that flock needs.
int AbrirArchivo(const QByteArray& ARuta) {
  for (;;) {
    int descriptor = open(ARuta.constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor >= 0 || errno != ENOENT) return descriptor;
    descriptor = open(ARuta.constData(), O_RDONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (descriptor >= 0) {
      // Other users must be able to open it whatever this process's umask.
      fchmod(descriptor, 0644);
      return descriptor;
    }
    if (errno != EEXIST) return descriptor;
  }
}

// Whether the locked descriptor is still the file that the path names: a holder removes the file when it
// releases the lock, and a lock on a removed file excludes nobody.
bool EsElArchivoActual(int ADescriptor, const QByteArray& ARuta) {
  struct stat abierto {};
  struct stat actual {};
  return fstat(ADescriptor, &abierto) == 0 && stat(ARuta.constData(), &actual) == 0 &&
         abierto.st_dev == actual.st_dev && abierto.st_ino == actual.st_ino;
}

EFileError ErrorDeBloqueo(const QByteArray& ARuta) {
  return EFileError(QStringLiteral("No se puede bloquear el archivo \"%1\". %2")
                        .arg(QFile::decodeName(ARuta), QString::fromLocal8Bit(std::strerror(errno))));
}

}  // namespace

TFileLock::TFileLock(const QString& AName) : FRuta(QFile::encodeName(LockFilePath(AName))) {
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

QString TFileLock::LockFilePath(const QString& AName) {
  QString nombre = QString(AName).replace(QLatin1Char('/'), QLatin1Char('_')) + ExtensionBloqueo;
  if (QFile::encodeName(nombre).size() > LargoMaximoNombre)
    nombre = QString::fromLatin1(QCryptographicHash::hash(AName.toUtf8(), QCryptographicHash::Sha256).toHex()) +
             ExtensionBloqueo;
  return JoinPath(CarpetaBloqueos, nombre);
}
