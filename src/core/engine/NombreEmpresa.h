#pragma once

// Whether a company's short name can name its database file in the data folder, and whether that file can
// be converted.

#include <QString>

// True when the name is a plain file name: not empty nor blank, not "." or "..", without a path separator
// ("/", or the "\" of the suite's Windows paths) or a null character. Any other name could lead out of the
// data folder.
inline bool EsNombreDeArchivo(const QString& ANombre) {
  const QString nombre = ANombre.trimmed();
  return !nombre.isEmpty() && nombre != QStringLiteral(".") && nombre != QStringLiteral("..") &&
         !ANombre.contains(QLatin1Char('/')) && !ANombre.contains(QLatin1Char('\\')) && !ANombre.contains(QChar(u'\0'));
}

// Why the database ALaBase ("la empresa X", "la base de datos Config"), whose file ARuta is a symbolic link,
// is not converted: the link moved into the archive would keep no copy of the old database there, or one
// that points nowhere.
inline QString MotivoEnlace(const QString& ALaBase, const QString& ARuta) {
  return QStringLiteral("No es posible convertir ") + ALaBase + QStringLiteral(": su archivo '") + ARuta +
         QStringLiteral("' es un enlace simbólico. Ponga en su lugar el archivo de la base de datos y vuelva a "
                        "intentarlo.");
}
