#include "core/session/SesionBD.h"

#include <QMetaObject>

QString NombreDeClase(const QObject& AObjeto) { return QString::fromLatin1(AObjeto.metaObject()->className()); }

void TqovSesionBD::SetQueryParamAsId(const QString& ANombreParam, int AValor) {
  if (AValor == 0)
    SetQueryParamToNull(ANombreParam);
  else
    SetQueryParamAsInteger(ANombreParam, AValor);
}

bool TqovSesionBD::IniciaTranUnica(const QObject& Sender) {
  if (TranUnica()) return false;
  FClassNameTransaction = NombreDeClase(Sender);
  return true;
}

bool TqovSesionBD::TerminaTranUnica(const QObject& Sender) {
  if (NombreDeClase(Sender) != FClassNameTransaction) return false;
  FClassNameTransaction.clear();
  return true;
}
