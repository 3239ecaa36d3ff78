#include "core/util/CadenaConexion.h"

QString CadenaConexion(const QString& AServer, const QString& ARuta) {
  return (AServer.isEmpty() ? ServidorLocal : AServer) + QLatin1Char(':') + ARuta;
}
