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

// Creates one folder level; false when it cannot be made.
bool CreateDir(const QString& APath);

// Moves a file to a new name, never replacing a file that is there already; false when it cannot.
bool MoveFileNoReplace(const QString& AFrom, const QString& ATo);

// Deletes a folder with everything inside; false when something stays.
bool DeleteTree(const QString& APath);

// Deletes a file; a file that is not there is no error. Raises EFileError when the file stays.
void DeleteFileOrRaise(const QString& APath);
