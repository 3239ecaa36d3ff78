#pragma once

// Loading and saving text files in the system's 8-bit code page.

#include <QByteArray>
#include <QString>
#include <QStringList>

// Text files in the system's ANSI code page. Here that is ISO-8859-1, which maps every byte to one
// character and back, so a file whose bytes are in another single-byte code page survives a load and
// a save unchanged.

// The file's lines, split at LF or CR LF; a final line break adds no empty line. Raises EFileError
// when the file cannot be read.
QStringList LoadAnsiLines(const QString& APath);

// The lines in that code page, each followed by ALineBreak.
QByteArray AnsiText(const QStringList& ALines, const QString& ALineBreak);

// Writes each line followed by ALineBreak. Raises EFileError when the file cannot be written.
void SaveAnsiLines(const QString& APath, const QStringList& ALines, const QString& ALineBreak = QStringLiteral("\n"));

// Inserts a line before position AIndex (AIndex may be the count, to append). Raises EListError when
// the list has no such position.
void InsertLine(QStringList& ALines, qsizetype AIndex, const QString& ALine);
