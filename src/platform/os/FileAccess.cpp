#include "platform/os/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

#include "platform/rtl/Exception.h"

namespace {

// Changes the owner, group and mode of the file or folder open at ADescriptor as far as this process may.
bool Apply(int ADescriptor, const struct stat& AData, const FileAccess& AAccess) {
  const bool root = geteuid() == 0;
  if (root && (AData.st_uid != AAccess.Owner || AData.st_gid != AAccess.Group) &&
      fchown(ADescriptor, AAccess.Owner, AAccess.Group) != 0)
    return false;
  // A user who is not a member of the group may not give it: the file keeps the user's own group.
  if (!root && AData.st_uid == geteuid() && AData.st_gid != AAccess.Group &&
      fchown(ADescriptor, static_cast<uid_t>(-1), AAccess.Group) != 0 && errno != EPERM)
    return false;
  // Only root and the owner may change the mode; a file of another user, such as the server, keeps it.
  if (!root && AData.st_uid != geteuid()) return true;
  const mode_t mode = S_ISDIR(AData.st_mode) ? AAccess.FolderMode : AAccess.FileMode;
  return (AData.st_mode & 07777) == mode || fchmod(ADescriptor, mode) == 0;
}

}  // namespace

FileAccess AccessFrom(const QString& ADatabase) {
  FileAccess access;
  access.Owner = geteuid();
  access.Group = getegid();
  struct stat data {};
  if (lstat(QFile::encodeName(ADatabase).constData(), &data) != 0 || !S_ISREG(data.st_mode)) return access;
  access.Owner = data.st_uid;
  access.Group = data.st_gid;
  access.FileMode = (data.st_mode & 0660) | 0600;
  access.FolderMode = 0700 | ((data.st_mode & 0060) != 0 ? 0070 : 0);
  return access;
}

bool ApplyAccess(const QString& APath, const FileAccess& AAccess) {
  const int descriptor = open(QFile::encodeName(APath).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
  if (descriptor < 0) {
    struct stat data {};
    // A file of another user that this process may not open: nothing of it may be changed either.
    return errno == EACCES && geteuid() != 0 && lstat(QFile::encodeName(APath).constData(), &data) == 0 &&
           S_ISREG(data.st_mode) && data.st_uid != geteuid();
  }
  struct stat data {};
  const bool applied = fstat(descriptor, &data) == 0 && (S_ISREG(data.st_mode) || S_ISDIR(data.st_mode)) &&
                       Apply(descriptor, data, AAccess);
  return close(descriptor) == 0 && applied;
}

void ApplyAccessOrRaise(const QString& APath, const FileAccess& AAccess) {
  struct stat data {};
  if (lstat(QFile::encodeName(APath).constData(), &data) != 0 && errno == ENOENT) return;
  if (!ApplyAccess(APath, AAccess))
    throw EFileError(
        QStringLiteral("No se pueden dar al archivo \"%1\" el dueño y los permisos de su base de datos.").arg(APath));
}

bool CreateDirWithAccess(const QString& APath, const FileAccess& AAccess) {
  const QByteArray path = QFile::encodeName(APath);
  // The umask may only narrow the mode further; the access then sets it exactly.
  if (mkdir(path.constData(), AAccess.FolderMode) != 0) return false;
  if (ApplyAccess(APath, AAccess)) return true;
  rmdir(path.constData());
  return false;
}

void WriteNewFile(const QString& APath, const QByteArray& AContents, const FileAccess& AAccess) {
  const QByteArray path = QFile::encodeName(APath);
  const int descriptor = open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, AAccess.FileMode);
  const int error = errno;
  if (descriptor < 0)
    throw EFileError(QStringLiteral("No se puede escribir el archivo \"%1\". %2")
                         .arg(APath, QString::fromLocal8Bit(std::strerror(error))));
  struct stat data {};
  bool written = fstat(descriptor, &data) == 0 && Apply(descriptor, data, AAccess);
  for (qsizetype done = 0; written && done < AContents.size();) {
    const ssize_t step = write(descriptor, AContents.constData() + done, static_cast<size_t>(AContents.size() - done));
    written = step > 0 || (step < 0 && errno == EINTR);
    if (step > 0) done += step;
  }
  const int writeError = errno;
  written = close(descriptor) == 0 && written;
  if (written) return;
  unlink(path.constData());
  throw EFileError(QStringLiteral("No se puede escribir el archivo \"%1\". %2")
                       .arg(APath, QString::fromLocal8Bit(std::strerror(writeError))));
}
