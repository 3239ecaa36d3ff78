// A second process for the connection-profile tests: AVeces times, as an operator's profile dialog does,
// loads the profiles, adds one named "Operador <id> perfil <n>" and saves. Ends with 1 when a save raises.
// Usage: alta_perfiles <id> <times>

#include <QString>
#include <QStringList>
#include <cstdio>

#include "core/settings/ConexionesQov.h"
#include "platform/rtl/Exception.h"

int main(int argc, char* argv[]) {
  if (argc != 3) return 2;
  const QString id = QString::fromLocal8Bit(argv[1]);
  const int veces = QString::fromLocal8Bit(argv[2]).toInt();
  for (int n = 0; n < veces; ++n) {
    TqovConexiones conexiones;
    QStringList nombres;
    conexiones.GetNames(nombres);
    const QString nombre = QStringLiteral("Operador %1 perfil %2").arg(id).arg(n);
    if (!conexiones.Add(nombre, taLocal, {}, prTCP, QStringLiteral("/srv/%1/").arg(n))) return 1;
    try {
      conexiones.Save();
    } catch (const Exception& e) {
      std::fprintf(stderr, "%s\n", e.what());
      return 1;
    }
  }
  return 0;
}
