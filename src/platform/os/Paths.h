#pragma once

// File paths and the file and folder operations on them.

#include <QString>
#include <QtGlobal>

// Joins a path and a name with one separator, unless the path already ends in one.
QString JoinPath(const QString& APath, const QString& AName);

template <typename... Names>
QString JoinPath(const QString& APath, const QString& AName, const Names&... ANames) {
  return JoinPath(JoinPath(APath, AName), ANames...);
}

// The process's current folder.
QString CurrentFolder();

// The user's temporary folder: TMPDIR when set, otherwise /tmp.
QString TempFolder();

// The name of a file without its folder.
QString ExtractFileName(const QString& APath);

// The file's size in bytes, or -1 when it cannot be read.
qint64 FileSize(const QString& APath);

bool FileExists(const QString& APath);
// True when anything has that name: a file, a folder, or a link, even one that points nowhere.
bool PathTaken(const QString& APath);
bool DirectoryExists(const QString& APath);
// True when APath itself is a symbolic link, whatever it points at.
bool IsSymLink(const QString& APath);

// Creates one folder level; false when it cannot be made.
bool CreateDir(const QString& APath);

// Gives the file AFrom a second name ATo (a hard link), never replacing anything there; where the file
// system cannot link the two (another file system, none that links), a copy with AFrom's owner and mode, made
// under a passing name in ATo's folder (ATo + ".copia-sin-terminar." + six random characters), takes the name
// ATo. A copy first removes what copies that a crash interrupted left in that folder under such names (regular
// files only: never a link). ATo and its folder are flushed to disk before it returns. False when ATo cannot be
// made; then nothing new stays.
bool KeepCopyNoReplace(const QString& AFrom, const QString& ATo);

// Puts the file AFrom in ATo's place in one step, so that ATo names the one file or the other at every
// instant, and flushes ATo's folder to disk as far as it can. False when the move cannot be made.
bool ReplaceFileAtomically(const QString& AFrom, const QString& ATo);

// Flushes the file or folder to disk; false when it cannot be opened or flushed.
bool SyncToDisk(const QString& APath);

// Gives ATo the permissions of AFrom and, where this process may (it runs as root), its owner and group;
// links not followed. False when it cannot.
bool CopyOwnerAndMode(const QString& AFrom, const QString& ATo);

// True when both paths name the same file (the same device and inode), links not followed.
bool SameFile(const QString& AOne, const QString& AOther);

// Deletes a folder with everything inside; false when something stays. No link is followed: a link in
// the folder, or at APath itself, is removed as a link and what it points at stays.
bool DeleteTree(const QString& APath);

// Creates a new folder of its own in AParent, named APrefix followed by six random characters, that only
// its owner may enter (0700). Returns its path, or an empty text when it cannot be made.
QString CreatePrivateDir(const QString& AParent, const QString& APrefix);

// Deletes a file; a file that is not there is no error. Raises EFileError when the file stays.
void DeleteFileOrRaise(const QString& APath);
