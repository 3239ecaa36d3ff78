#include "core/util/EquipoLocal.h"

#include <netdb.h>

#include <QSysInfo>
#include <QStringList>

namespace {

// The host part of "host", "host:port", "host/port", "[v6]", "[v6]:port" or "[v6]/port"; a bare IPv6
// address, with several ":", is all host.
QString Anfitrion(const QString& AServidor) {
  if (AServidor.startsWith(QLatin1Char('['))) {
    const qsizetype cierre = AServidor.indexOf(QLatin1Char(']'));
    if (cierre < 0) return AServidor;
    const QString resto = AServidor.mid(cierre + 1);
    if (!resto.isEmpty() && resto[0] != QLatin1Char(':') && resto[0] != QLatin1Char('/')) return AServidor;
    return AServidor.mid(1, cierre - 1);
  }
  if (const qsizetype barra = AServidor.indexOf(QLatin1Char('/')); barra >= 0) return AServidor.left(barra);
  if (AServidor.count(QLatin1Char(':')) == 1) return AServidor.section(QLatin1Char(':'), 0, 0);
  return AServidor;
}

// This machine's host name and, when the resolver knows it, its fully qualified name.
QStringList NombresDeEsteEquipo() {
  QStringList nombres{QSysInfo::machineHostName()};
  addrinfo pista{};
  pista.ai_flags = AI_CANONNAME;
  addrinfo* resultado = nullptr;
  if (getaddrinfo(nombres[0].toLocal8Bit().constData(), nullptr, &pista, &resultado) == 0) {
    if (resultado->ai_canonname) nombres << QString::fromLocal8Bit(resultado->ai_canonname);
    freeaddrinfo(resultado);
  }
  return nombres;
}

}  // namespace

bool EsServidorDeEsteEquipo(const QString& AServidor) {
  const QString anfitrion = Anfitrion(AServidor);
  for (const QString& local : {QString(), QStringLiteral("localhost"), QStringLiteral("127.0.0.1"), QStringLiteral("::1")})
    if (anfitrion.compare(local, Qt::CaseInsensitive) == 0) return true;
  return NombresDeEsteEquipo().contains(anfitrion, Qt::CaseInsensitive);
}
