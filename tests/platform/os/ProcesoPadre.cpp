// Second process of the child-process tests: holds a file open as a database client holds its files and
// sockets (a descriptor without close-on-exec), then runs the given program as its child and waits for it.
// A test kills this process to see what becomes of the child.
// Usage: proceso_padre <file to hold open> <program> [arguments...]

#include <fcntl.h>

#include <QString>
#include <QStringList>

#include "platform/os/ProcessRunner.h"

int main(int argc, char* argv[]) {
  if (argc < 3) return 2;
  if (open(argv[1], O_RDONLY) < 0) return 3;
  QStringList argumentos;
  for (int i = 3; i < argc; ++i) argumentos << QString::fromLocal8Bit(argv[i]);
  ProcessHandle proceso = 0;
  return EjecutarProceso({QString::fromLocal8Bit(argv[2]), argumentos}, proceso);
}
