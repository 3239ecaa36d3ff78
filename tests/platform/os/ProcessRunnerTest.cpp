#include <gtest/gtest.h>
#include <poll.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "fixtures/AccesoArchivos.h"
#include "fixtures/ImprimirQt.h"
#include "platform/os/ProcessRunner.h"

namespace {
QByteArray Leer(const QString& ruta) {
  QFile f(ruta);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}
const QString Sh = QStringLiteral("/bin/sh");
}  // namespace

TEST(ProcessRunner, ReturnsTheExitCodeAndClearsTheHandle) {
  const struct {
    QString guion;
    int codigo;
  } casos[] = {{"exit 0", 0}, {"exit 3", 3}, {"kill -TERM $$", 128 + 15}};
  for (const auto& caso : casos) {
    ProcessHandle proceso = 99;
    EXPECT_EQ(EjecutarProceso({Sh, {"-c", caso.guion}}, proceso), caso.codigo) << caso.guion.toStdString();
    EXPECT_EQ(proceso, 0);
  }
}

TEST(ProcessRunner, EveryArgumentArrivesIntactAndNoShellRunsIt) {
  QTemporaryDir carpeta;
  const QString salida = carpeta.filePath(QStringLiteral("salida.txt"));
  const QString testigo = carpeta.filePath(QStringLiteral("testigo"));
  const QString argumento = QStringLiteral("a b \"c\" $(touch %1); touch %1 & `touch %1`").arg(testigo);
  ProcessHandle proceso = 0;
  EXPECT_EQ(EjecutarProceso({QStringLiteral("printf"), {"%s", argumento}, {}, salida}, proceso), 0);
  EXPECT_EQ(Leer(salida), argumento.toUtf8());
  EXPECT_FALSE(QFile::exists(testigo));
}

TEST(ProcessRunner, OutputGoesToTheFileWithOrWithoutTheErrors) {
  QTemporaryDir carpeta;
  const QString salida = carpeta.filePath(QStringLiteral("salida.txt"));
  const QStringList argumentos{"-c", "echo uno; echo dos >&2"};
  ProcessHandle proceso = 0;
  EjecutarProceso({Sh, argumentos, {}, salida}, proceso);
  EXPECT_EQ(Leer(salida), "uno\n");
  EjecutarProceso({Sh, argumentos, {}, salida, true}, proceso);
  EXPECT_EQ(Leer(salida), "uno\ndos\n");
}

TEST(ProcessRunner, RunsInTheGivenFolder) {
  QTemporaryDir carpeta;
  const QString sub = carpeta.filePath(QStringLiteral("con blancos"));
  QDir().mkdir(sub);
  ProcessHandle proceso = 0;
  EjecutarProceso({Sh, {"-c", "pwd"}, sub, QStringLiteral("pwd.txt")}, proceso);
  EXPECT_EQ(Leer(sub + QStringLiteral("/pwd.txt")), QFile::encodeName(sub) + "\n");
}

// With an access, the output file and whatever the program creates are closed to others from the start, before
// anyone could give them a mode; also the output of a program that cannot start.
TEST(ProcessRunner, WhatTheProgramCreatesIsNoMoreOpenThanTheAccess) {
  const struct {
    mode_t archivo, carpeta;
    QString salida, creado, subcarpeta;
  } casos[] = {
      {0600, 0700, "0600", "0600", "0700"},
      {0640, 0770, "0640", "0660", "0770"},
  };
  for (const auto& caso : casos) {
    QTemporaryDir carpeta;
    const QString salida = carpeta.filePath(QStringLiteral("salida.txt"));
    const QString nosalida = carpeta.filePath(QStringLiteral("no inicia.txt"));
    const FileAccess acceso{geteuid(), getegid(), caso.archivo, caso.carpeta};
    ProcessHandle proceso = 0;
    ASSERT_EQ(EjecutarProceso({Sh, {"-c", "touch creado; mkdir sub"}, carpeta.path(), salida, true, acceso}, proceso),
              0);
    EjecutarProceso({carpeta.filePath(QStringLiteral("no hay")), {}, {}, nosalida, true, acceso}, proceso);
    const QString dueno = QStringLiteral("%1:%2 ").arg(geteuid()).arg(getegid());
    EXPECT_EQ(AccesoDe(salida), dueno + caso.salida);
    EXPECT_EQ(AccesoDe(nosalida), dueno + caso.salida);
    EXPECT_EQ(AccesoDe(carpeta.filePath(QStringLiteral("creado"))), dueno + caso.creado);
    EXPECT_EQ(AccesoDe(carpeta.filePath(QStringLiteral("sub"))), dueno + caso.subcarpeta);
  }
}

TEST(ProcessRunner, AProgramThatCannotStartFailsAndSaysWhyInItsOutputFile) {
  QTemporaryDir carpeta;
  const QString salida = carpeta.filePath(QStringLiteral("salida.txt"));
  const QString programa = carpeta.filePath(QStringLiteral("no existe"));
  ProcessHandle proceso = 0;
  bool bombeado = false;
  EXPECT_EQ(EjecutarProceso({programa, {}, {}, salida}, proceso, [&] { bombeado = true; }), CodigoProgramaNoIniciado);
  EXPECT_FALSE(bombeado);
  EXPECT_EQ(proceso, 0);
  EXPECT_TRUE(Leer(salida).startsWith(QFile::encodeName(programa) + ": "));
}

TEST(ProcessRunner, PumpsBeforeWaitingAndWhileTheProgramRuns) {
  // The program ends only after the third pump has let it, so the waits in between must pump.
  QTemporaryDir carpeta;
  const QString senal = carpeta.filePath(QStringLiteral("senal"));
  ProcessHandle proceso = 0;
  int bombeos = 0;
  bool conProceso = true;
  const int codigo =
      EjecutarProceso({Sh, {"-c", "while [ ! -e \"$1\" ]; do sleep 0.01; done", "sh", senal}}, proceso, [&] {
        conProceso = conProceso && proceso != 0;
        if (++bombeos == 3) QFile(senal).open(QIODevice::WriteOnly);
      });
  EXPECT_EQ(codigo, 0);
  EXPECT_GE(bombeos, 3);
  EXPECT_TRUE(conProceso);
  EXPECT_EQ(proceso, 0);
}

TEST(ProcessRunner, AChildInheritsNoDescriptorAndEndsWhenItsParentIsKilled) {
  // A real parent that holds a file open runs a shell that lists its own descriptors and then waits for ever.
  QTemporaryDir carpeta;
  const QString testigo = carpeta.filePath(QStringLiteral("testigo del padre"));
  QFile(testigo).open(QIODevice::WriteOnly);
  const QString descriptores = carpeta.filePath(QStringLiteral("descriptores"));
  const QString pid = carpeta.filePath(QStringLiteral("pid"));
  const QString guion =
      QStringLiteral("ls -l /proc/$$/fd > \"$1\"; echo $$ > \"$2.tmp\"; mv \"$2.tmp\" \"$2\"; exec sleep 600");
  ProcessHandle padre = 0;
  qint64 hijo = 0;
  int rondas = 0;
  const int codigo = EjecutarProceso(
      {QStringLiteral(QOV_PROCESO_PADRE), {testigo, Sh, "-c", guion, "sh", descriptores, pid}}, padre, [&] {
        // Once the child runs, the parent dies at once; after 30 s it dies all the same.
        if (padre == 0) return;
        if (QFile::exists(pid)) hijo = Leer(pid).trimmed().toLongLong();
        if (hijo != 0 || ++rondas > 300) kill(static_cast<pid_t>(padre), SIGKILL);
      });
  EXPECT_EQ(codigo, 128 + SIGKILL);
  ASSERT_NE(hijo, 0);
  EXPECT_FALSE(Leer(descriptores).contains("testigo")) << Leer(descriptores).constData();
  // The child ends too: its descriptor becomes readable when it does.
  const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, static_cast<pid_t>(hijo), 0));
  if (pidfd >= 0) {
    pollfd espera{pidfd, POLLIN, 0};
    const int listo = poll(&espera, 1, 30000);
    close(pidfd);
    if (listo != 1) kill(static_cast<pid_t>(hijo), SIGKILL);
    EXPECT_EQ(listo, 1) << "the child outlived its parent";
  }
}
