#include "core/engine/FirebirdProcReportes.h"

#include "core/engine/FormatoRegional.h"
#include "platform/os/Paths.h"
#include "platform/rtl/DateTime.h"

QString NombreLibreEnLog(const QString& ABase, const QString& AExtension) {
  QString nombre = ABase + AExtension;
  for (int n = 2; PathTaken(RutaReporte(nombre)) || PathTaken(RutaReporte(nombre) + SufijoSalidaAparte); ++n)
    nombre = ABase + QLatin1Char('_') + QString::number(n) + AExtension;
  return nombre;
}

QString NombreReporte(const QString& ANombreBD, const QString& APaso) {
  return NombreLibreEnLog(FormatearFechaHora(QStringLiteral("yyyy-mm-dd-hh-nn-ss"), Now()) + QLatin1Char('_') +
                              ANombreBD + QLatin1Char('_') + APaso,
                          QStringLiteral(".txt"));
}

QString RutaReporte(const QString& ANombreReporte) {
  return JoinPath(CurrentFolder(), QStringLiteral("log"), ANombreReporte);
}
