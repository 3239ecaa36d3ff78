// A second process for the settings-store tests: AVeces times, writes every value of the key
// "\Software\Prueba" of the machine-wide settings as "<id>-<round>" and then reads them back through a new
// store. Ends with 1 when a read finds values of different writes, which a file read half written gives.
// Usage: escritor_ajustes <id> <times>

#include <QString>
#include <QStringList>
#include <cstdio>

#include "core/settings/XmlRegistryQov.h"

namespace {

constexpr int Valores = 20;
const QString Clave = QStringLiteral("\\Software\\Prueba");
// Long values make each write of the file take long enough for the other process to meet it.
const QString Relleno(2000, QLatin1Char('x'));

QString NombreValor(int AIndice) { return QStringLiteral("Valor %1").arg(AIndice); }

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3) return 2;
  const QString id = QString::fromLocal8Bit(argv[1]);
  const int veces = QString::fromLocal8Bit(argv[2]).toInt();
  for (int ronda = 0; ronda < veces; ++ronda) {
    {
      TxmlRegistry escritura;
      escritura.OpenKey(Clave, true);
      for (int i = 0; i < Valores; ++i)
        escritura.WriteString(NombreValor(i), QStringLiteral("%1-%2 ").arg(id).arg(ronda) + Relleno);
      escritura.CloseKey();
    }
    TxmlRegistry lectura;
    lectura.SetAccess(KEY_READ);
    lectura.OpenKey(Clave, false);
    const QString primero = lectura.ReadString(NombreValor(0));
    for (int i = 1; i < Valores; ++i) {
      if (lectura.ReadString(NombreValor(i)) != primero || primero.isEmpty()) {
        std::fprintf(stderr, "round %d: mixed values\n", ronda);
        return 1;
      }
    }
  }
  return 0;
}
