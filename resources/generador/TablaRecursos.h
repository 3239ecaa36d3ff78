#pragma once

// Writes a module's resources as a C++ source holding their bytes and the module's resource table.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// One resource: its name, its type and its bytes.
struct RecursoGenerado {
  QString Nombre;
  QString Tipo;
  QByteArray Datos;
};

// A resource library exports its table under the agreed symbol; the program registers its table as it starts.
enum class TipoModulo { Libreria, Programa };

// The picture as a PNG file.
QByteArray Png(const QImage& AImagen);
// Writes the source; raises std::runtime_error when the file cannot be written.
void EscribirTablaRecursos(const QString& ARuta, const QList<RecursoGenerado>& ARecursos, TipoModulo ATipo);
