#include "core/session/ParametrosLineaComando.h"

#include <QCoreApplication>

#include "platform/rtl/FloatFormat.h"

namespace {

QStringList ArgumentosEstablecidos;

QStringList Argumentos() {
  return QCoreApplication::instance() ? QCoreApplication::arguments() : ArgumentosEstablecidos;
}

}  // namespace

TqovParametrosLineaComando::TqovParametrosLineaComando() {
  const QStringList argumentos = Argumentos();
  const auto parametro = [&argumentos](int AIndice) { return argumentos.value(AIndice); };
  FDatabasePath = parametro(1);
  if (!parametro(2).isEmpty()) FEmpresaId = StrToInt(parametro(2));
  FUsuario = parametro(3);
  FPassword = parametro(4);
  FNombreConexion = parametro(5);
}

void TqovParametrosLineaComando::EstablecerArgumentos(const QStringList& AArgumentos) {
  ArgumentosEstablecidos = AArgumentos;
}
