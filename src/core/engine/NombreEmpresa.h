#pragma once

// Whether a company's short name can name its database file in the data folder.

#include <QString>

// True when the name is a plain file name: not empty nor blank, not "." or "..", without a path separator
// ("/", or the "\" of the suite's Windows paths) or a null character. Any other name could lead out of the
// data folder.
inline bool EsNombreDeArchivo(const QString& ANombre) {
  const QString nombre = ANombre.trimmed();
  return !nombre.isEmpty() && nombre != QStringLiteral(".") && nombre != QStringLiteral("..") &&
         !ANombre.contains(QLatin1Char('/')) && !ANombre.contains(QLatin1Char('\\')) && !ANombre.contains(QChar(u'\0'));
}
