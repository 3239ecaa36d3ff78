// Second process of the file-lock tests: takes the named lock AVeces times, and each time adds one to the
// number in the counter file, in two separate steps (read, then rewrite) that only the lock keeps whole.
// Usage: proceso_bloqueo <lock folder> <lock name> <counter file> <times>

#include <QFile>
#include <QString>

#include "platform/os/FileLock.h"

int main(int argc, char* argv[]) {
  if (argc != 5) return 2;
  const QString carpeta = QString::fromLocal8Bit(argv[1]);
  const QString nombre = QString::fromLocal8Bit(argv[2]);
  const QString contador = QString::fromLocal8Bit(argv[3]);
  const int veces = QString::fromLocal8Bit(argv[4]).toInt();
  for (int i = 0; i < veces; ++i) {
    const TFileLock bloqueo(carpeta, nombre);
    QFile archivo(contador);
    int valor = 0;
    if (archivo.open(QIODevice::ReadOnly)) valor = archivo.readAll().toInt();
    archivo.close();
    if (!archivo.open(QIODevice::WriteOnly)) return 3;
    archivo.write(QByteArray::number(valor + 1));
  }
  return 0;
}
