#pragma once

// The large company of the conversion benchmarks: about 200 MB of documents, copied into a fresh data folder
// for each run.

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QString>
#include <cstdlib>

// Rows of documents that make a company database of about 200 MB.
constexpr int MovimientosGrandes = 550000;

// A fresh data folder ARaiz/ANombre/ holding a copy of the company APlantilla as GRANDE.fdb.
inline QString NuevaCarpetaDatos(const QString& ARaiz, const QString& APlantilla, const QString& ANombre) {
  const QString datos = ARaiz + "/" + ANombre + "/";
  QDir(datos).removeRecursively();
  QDir().mkpath(datos);
  if (!QFile::copy(APlantilla, datos + "GRANDE.fdb")) std::abort();
  // What earlier runs left to write goes to disk now, not during the next measured run.
  sync();
  return datos;
}
