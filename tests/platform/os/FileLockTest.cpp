#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUuid>
#include <functional>
#include <optional>
#include <thread>

#include "fixtures/ImprimirQt.h"
#include "platform/os/FileLock.h"
#include "platform/os/ProcessRunner.h"
#include "platform/rtl/Exception.h"

namespace {

// A lock name no other test run uses.
QString NombreUnico() { return QStringLiteral("prueba/") + QUuid::createUuid().toString(QUuid::WithoutBraces); }

// The folder of the test's lock files.
const QTemporaryDir& Carpeta() {
  static const QTemporaryDir carpeta;
  return carpeta;
}

int Contador(const QString& ruta) {
  QFile archivo(ruta);
  return archivo.open(QIODevice::ReadOnly) ? archivo.readAll().toInt() : 0;
}

int Contar(const QString& nombre, const QString& contador, int veces, ProcessHandle& proceso,
           const std::function<void()>& bombear = {}) {
  return EjecutarProceso(
      {QStringLiteral(QOV_PROCESO_BLOQUEO), {Carpeta().path(), nombre, contador, QString::number(veces)}}, proceso,
      bombear);
}

// Whether the system lists the process as waiting for an flock ("->" lines of /proc/locks).
bool EsperaUnBloqueo(ProcessHandle proceso) {
  QFile bloqueos(QStringLiteral("/proc/locks"));
  if (!bloqueos.open(QIODevice::ReadOnly)) return false;
  for (const QByteArray& linea : bloqueos.readAll().split('\n')) {
    const QList<QByteArray> campos = linea.simplified().split(' ');
    if (campos.size() > 5 && campos[1] == "->" && campos[5].toLongLong() == proceso) return true;
  }
  return false;
}

}  // namespace

TEST(FileLock, ASecondProcessWaitsUntilTheLockIsReleased) {
  QTemporaryDir carpeta;
  const QString nombre = NombreUnico();
  const QString contador = carpeta.filePath(QStringLiteral("contador"));
  std::optional<TFileLock> bloqueo(std::in_place, Carpeta().path(), nombre);
  bool esperaba = false;
  bool escribioConElBloqueoTomado = false;
  ProcessHandle proceso = 0;
  int rondas = 0;
  // Called every 100 ms while the child runs; the lock goes as soon as the child waits for it, or after 30 s
  // so that a fault cannot hang the test.
  const int codigo = Contar(nombre, contador, 1, proceso, [&] {
    if (!bloqueo) return;
    escribioConElBloqueoTomado = escribioConElBloqueoTomado || QFile::exists(contador);
    esperaba = EsperaUnBloqueo(proceso);
    if (esperaba || ++rondas > 300) bloqueo.reset();
  });
  EXPECT_EQ(codigo, 0);
  EXPECT_TRUE(esperaba);
  EXPECT_FALSE(escribioConElBloqueoTomado);
  EXPECT_EQ(Contador(contador), 1);
}

TEST(FileLock, TwoProcessesCountingUnderTheLockLoseNoStep) {
  QTemporaryDir carpeta;
  const QString nombre = NombreUnico();
  const QString contador = carpeta.filePath(QStringLiteral("contador"));
  constexpr int veces = 500;
  int codigoOtro = -1;
  std::thread otro([&] {
    ProcessHandle proceso = 0;
    codigoOtro = Contar(nombre, contador, veces, proceso);
  });
  ProcessHandle proceso = 0;
  EXPECT_EQ(Contar(nombre, contador, veces, proceso), 0);
  otro.join();
  EXPECT_EQ(codigoOtro, 0);
  EXPECT_EQ(Contador(contador), 2 * veces);
  EXPECT_FALSE(QFile::exists(TFileLock::LockFilePath(Carpeta().path(), nombre)));
}

TEST(FileLock, TheLockFileIsNamedAfterTheLockInItsFolderAndGoesOnRelease) {
  EXPECT_EQ(TFileLock::LockFilePath(QStringLiteral("/ajustes"), QStringLiteral("VEp2Q3/Vz+dG9t==")),
            QStringLiteral("/ajustes/VEp2Q3_Vz+dG9t==.lock"));
  const QString largo = TFileLock::LockFilePath(QStringLiteral("/ajustes"), QString(300, QLatin1Char('A')));
  EXPECT_TRUE(largo.startsWith(QStringLiteral("/ajustes/")));
  EXPECT_EQ(largo.size(), QStringLiteral("/ajustes/").size() + 64 + QStringLiteral(".lock").size());

  // A file left behind by a process that ended while holding the lock locks as any other.
  const QString nombre = NombreUnico();
  const QString archivo = TFileLock::LockFilePath(Carpeta().path(), nombre);
  QFile restos(archivo);
  ASSERT_TRUE(restos.open(QIODevice::WriteOnly));
  restos.close();
  {
    const TFileLock bloqueo(Carpeta().path(), nombre);
    EXPECT_TRUE(QFile::exists(archivo));
  }
  EXPECT_FALSE(QFile::exists(archivo));
}

TEST(FileLock, ALockFileThatCannotBeOpenedRaisesTheTimeoutAtOnce) {
  // A dangling link, a link to another file and a folder where the lock file goes: none is followed or
  // waited on.
  QTemporaryDir otra;
  const QString ajeno = otra.filePath(QStringLiteral("ajeno"));
  QFile(ajeno).open(QIODevice::WriteOnly);
  const QString nombre = NombreUnico();
  const QString archivo = TFileLock::LockFilePath(Carpeta().path(), nombre);
  const std::function<void()> estorbos[] = {
      [&] { QFile::link(otra.filePath(QStringLiteral("no existe")), archivo); },
      [&] { QFile::link(ajeno, archivo); },
      [&] { QDir().mkdir(archivo); },
  };
  for (const auto& estorbo : estorbos) {
    estorbo();
    try {
      const TFileLock bloqueo(Carpeta().path(), nombre);
      ADD_FAILURE() << "locked";
    } catch (const EFileError& e) {
      EXPECT_TRUE(e.Message().endsWith(QStringLiteral(": Mutex Timeout"))) << e.Message().toStdString();
    }
    QFile::remove(archivo);
    QDir().rmdir(archivo);
  }
  EXPECT_FALSE(QFile::exists(otra.filePath(QStringLiteral("no existe"))));
  EXPECT_EQ(QFileInfo(ajeno).size(), 0);
}
