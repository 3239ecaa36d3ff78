#pragma once

// Who may reach the files and folders made from a database: its owner and group, with no more rights than
// the database gives them, and others none.

#include <sys/types.h>

#include <QByteArray>
#include <QString>

struct FileAccess {
  uid_t Owner = 0;
  gid_t Group = 0;
  // The database's read and write bits for its owner and group; the owner always reads and writes.
  mode_t FileMode = 0600;
  // The same classes on a folder: read, write and search for each class that has a bit on the file.
  mode_t FolderMode = 0700;
};

// The access of what is made from the database file ADatabase (a link is not followed). What is no regular
// file gives this process's user and group, 0600 and 0700.
FileAccess AccessFrom(const QString& ADatabase);

// Gives the file or folder APath (never what a link points at) the access: its owner and group where this
// process may give them (as root; otherwise the group alone, where this process's user owns the file and
// belongs to the group), and its mode where this process may change it (as root or as its owner). False
// when APath is no file nor folder, or a change this process may make fails.
bool ApplyAccess(const QString& APath, const FileAccess& AAccess);

// The same for a path that may hold nothing: nothing there is no error. Raises EFileError when the access
// cannot be given.
void ApplyAccessOrRaise(const QString& APath, const FileAccess& AAccess);

// Makes the folder (one level) closed to others from the start, with the access. False when it cannot be made
// with it; then no folder stays.
bool CreateDirWithAccess(const QString& APath, const FileAccess& AAccess);

// Writes a new file with AContents, closed to others from the start, with the access. Never replaces
// anything nor writes through a link. Raises EFileError when it cannot; then nothing stays.
void WriteNewFile(const QString& APath, const QByteArray& AContents, const FileAccess& AAccess);
