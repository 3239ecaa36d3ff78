#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QUuid>
#include <optional>
#include <thread>

#include "fixtures/ImprimirQt.h"
#include "platform/os/FileLock.h"
#include "platform/os/ProcessRunner.h"

namespace {

// A lock name no other test run uses.
QString NombreUnico() { return QStringLiteral("prueba/") + QUuid::createUuid().toString(QUuid::WithoutBraces); }

int Contador(const QString& ruta) {
  QFile archivo(ruta);
  return archivo.open(QIODevice::ReadOnly) ? archivo.readAll().toInt() : 0;
}

int Contar(const QString& nombre, const QString& contador, int veces, ProcessHandle& proceso,
           const std::function<void()>& bombear = {}) {
  return EjecutarProceso({QStringLiteral(QOV_PROCESO_BLOQUEO), {nombre, contador, QString::number(veces)}}, proceso,
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
  std::optional<TFileLock> bloqueo(std::in_place, nombre);
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
  EXPECT_FALSE(QFile::exists(TFileLock::LockFilePath(nombre)));
}

TEST(FileLock, TheLockFileIsNamedAfterTheLockAndGoesOnRelease) {
  EXPECT_EQ(TFileLock::LockFilePath(QStringLiteral("VEp2Q3/Vz+dG9t==")), QStringLiteral("/tmp/VEp2Q3_Vz+dG9t==.lock"));
  const QString largo = TFileLock::LockFilePath(QString(300, QLatin1Char('A')));
  EXPECT_TRUE(largo.startsWith(QStringLiteral("/tmp/")));
  EXPECT_EQ(largo.size(), QStringLiteral("/tmp/").size() + 64 + QStringLiteral(".lock").size());

  // A file left behind by a process that ended while holding the lock locks as any other.
  const QString nombre = NombreUnico();
  const QString archivo = TFileLock::LockFilePath(nombre);
  QFile restos(archivo);
  ASSERT_TRUE(restos.open(QIODevice::WriteOnly));
  restos.close();
  {
    const TFileLock bloqueo(nombre);
    EXPECT_TRUE(QFile::exists(archivo));
  }
  EXPECT_FALSE(QFile::exists(archivo));
}
