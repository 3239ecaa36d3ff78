#pragma once

// An exclusive lock between processes, known by a name, kept in a folder.

#include <QByteArray>
#include <QString>

// An exclusive lock shared by every process of the machine and known by a name, as a named mutex is: an
// flock on a file of that name in the given folder (the folder of what the lock guards, never a
// world-writable one such as /tmp, where anyone could hold the lock or plant a link in its place). The lock
// is held from construction to destruction; the system releases it when its process ends.
class TFileLock {
 public:
  // Waits until this object holds the lock; a lock that another process holds is waited for without time
  // limit. A lock file that cannot be opened (a link, a folder, no right to write it) raises EFileError
  // ending in ": Mutex Timeout" at once; a link is never followed.
  TFileLock(const QString& AFolder, const QString& AName);
  // Removes the lock file and releases the lock.
  ~TFileLock();
  TFileLock(const TFileLock&) = delete;
  TFileLock& operator=(const TFileLock&) = delete;

  // The lock file of a name in the folder: the name with every "/" as "_", plus ".lock". A name too long for
  // a file name is replaced by its SHA-256 in hexadecimal.
  static QString LockFilePath(const QString& AFolder, const QString& AName);

 private:
  QByteArray FRuta;
  int FDescriptor = -1;
};
