#include "platform/os/AppDataFolders.h"

#include <QDir>

#include "platform/os/Paths.h"

namespace {

// Relative entries are ignored, as the base-directory convention asks.
QString Absoluta(const QString& ACarpeta, const QString& APredeterminada) {
  return QDir::isAbsolutePath(ACarpeta) ? ACarpeta : APredeterminada;
}

}  // namespace

QString CommonAppDataFolder() {
  const QString primera = qEnvironmentVariable("XDG_CONFIG_DIRS").section(QLatin1Char(':'), 0, 0);
  return Absoluta(primera, QStringLiteral("/etc/xdg"));
}

QString LocalAppDataFolder() {
  return Absoluta(qEnvironmentVariable("XDG_CONFIG_HOME"), JoinPath(QDir::homePath(), QStringLiteral(".config")));
}
