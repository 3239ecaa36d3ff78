#pragma once

// An exclusive lock between processes, known by a name.

#include <QByteArray>
#include <QString>

// An exclusive lock shared by every process of the machine and known by a name, as a named mutex is: an
// flock on a file of that name in /tmp (not TMPDIR, which each process may set differently). The lock is
// held from construction to destruction; the system releases it when its process ends.
class TFileLock {
 public:
  // Waits, with no time limit, until this object holds the lock. Raises EFileError when the lock file
  // cannot be opened or locked.
  explicit TFileLock(const QString& AName);
  // Removes the lock file and releases the lock.
  ~TFileLock();
  TFileLock(const TFileLock&) = delete;
  TFileLock& operator=(const TFileLock&) = delete;

  // The lock file of a name: the name with every "/" as "_", plus ".lock". A name too long for a file name
  // is replaced by its SHA-256 in hexadecimal.
  static QString LockFilePath(const QString& AName);

 private:
  QByteArray FRuta;
  int FDescriptor = -1;
};
