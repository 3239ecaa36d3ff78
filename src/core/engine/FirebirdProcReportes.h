#pragma once

// The names of the engine's tool reports in the log folder.

// The report files that the engine's tool runs write into the log folder, and the words that send the
// operator to them.

#include <QString>

#include "core/engine/FormatoRegional.h"
#include "platform/os/Paths.h"
#include "platform/rtl/DateTime.h"

inline const QString ColaConsulteLog = QStringLiteral("' en la carpeta 'log' en la ruta en donde ") +
                                       QStringLiteral("está la herramienta de conversión para ver más detalles.");

// The name of a tool's report file: the time the step starts, the database and the step.
inline QString NombreReporte(const QString& ANombreBD, const QString& APaso) {
  return FormatearFechaHora(QStringLiteral("yyyy-mm-dd-hh-nn-ss"), Now()) + QLatin1Char('_') + ANombreBD +
         QLatin1Char('_') + APaso + QStringLiteral(".txt");
}

inline QString RutaReporte(const QString& ANombreReporte) {
  return JoinPath(CurrentFolder(), QStringLiteral("log"), ANombreReporte);
}
