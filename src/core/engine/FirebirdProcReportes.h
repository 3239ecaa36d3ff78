#pragma once

// The report files that the engine's tool runs write into the log folder, and the words that send the
// operator to them.

#include <QString>

inline const QString ColaConsulteLog = QStringLiteral("' en la carpeta 'log' en la ruta en donde ") +
                                       QStringLiteral("está la herramienta de conversión para ver más detalles.");

// Where a gbak run keeps what it prints until it is added to its report: the report's path followed by this.
inline const QString SufijoSalidaAparte = QStringLiteral(".salida");

// The first name among ABase + AExtension, ABase + "_2" + AExtension, ABase + "_3" + AExtension... that
// nothing in the log folder has yet, nor the output a gbak run keeps aside under it: a second run of a
// step within the same second never writes over, nor fails on, the first run's report.
QString NombreLibreEnLog(const QString& ABase, const QString& AExtension);

// The name of a tool's report file: the time the step starts, the database and the step.
QString NombreReporte(const QString& ANombreBD, const QString& APaso);

// The report's path in the log folder under the current folder.
QString RutaReporte(const QString& ANombreReporte);
