#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "fixtures/AccesoArchivos.h"
#include "fixtures/ImprimirQt.h"
#include "platform/os/Paths.h"
#include "platform/rtl/Exception.h"

TEST(Paths, JoinPathAddsOneSeparator) {
  EXPECT_EQ(JoinPath(QStringLiteral("/datos"), QStringLiteral("x.fdb")), QStringLiteral("/datos/x.fdb"));
  EXPECT_EQ(JoinPath(QStringLiteral("/datos/"), QStringLiteral("x.fdb")), QStringLiteral("/datos/x.fdb"));
  EXPECT_EQ(JoinPath(QStringLiteral("/c"), QStringLiteral("log"), QStringLiteral("r.txt")),
            QStringLiteral("/c/log/r.txt"));
}

TEST(Paths, FileSizeOfAFileAndOfWhatIsNoFile) {
  QTemporaryDir carpeta;
  const QString ruta = carpeta.filePath(QStringLiteral("a b.fdb"));
  QFile archivo(ruta);
  ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
  archivo.write("12345");
  archivo.close();
  EXPECT_EQ(FileSize(ruta), 5);
  EXPECT_EQ(FileSize(carpeta.filePath(QStringLiteral("falta.fdb"))), -1);
  EXPECT_EQ(FileSize(carpeta.path()), -1);
}

TEST(Paths, DeleteFileOrRaise) {
  QTemporaryDir carpeta;
  const QString ruta = carpeta.filePath(QStringLiteral("r.txt"));
  QFile(ruta).open(QIODevice::WriteOnly);
  DeleteFileOrRaise(ruta);
  EXPECT_FALSE(QFile::exists(ruta));
  EXPECT_NO_THROW(DeleteFileOrRaise(ruta));
  // A folder is not a file that can be deleted.
  EXPECT_THROW(DeleteFileOrRaise(carpeta.path()), EFileError);
}

// A link, at the top or inside, is removed as a link: the folder it points at keeps its files.
TEST(Paths, DeleteTreeFollowsNoLink) {
  QTemporaryDir carpeta;
  const QString datos = carpeta.filePath(QStringLiteral("datos"));
  ASSERT_TRUE(QDir().mkpath(datos));
  ASSERT_TRUE(QFile(datos + QStringLiteral("/EMPRESA1.fdb")).open(QIODevice::WriteOnly));
  const QString arbol = carpeta.filePath(QStringLiteral("arbol"));
  ASSERT_TRUE(QDir().mkpath(arbol + QStringLiteral("/sub")));
  ASSERT_TRUE(QFile::link(datos, arbol + QStringLiteral("/sub/enlace")));
  const QString enlace = carpeta.filePath(QStringLiteral("enlace"));
  ASSERT_TRUE(QFile::link(datos, enlace));

  EXPECT_TRUE(DeleteTree(enlace));
  EXPECT_TRUE(DeleteTree(arbol));
  EXPECT_FALSE(QFileInfo::exists(arbol));
  EXPECT_FALSE(QFileInfo(enlace).isSymLink());
  EXPECT_TRUE(QFile::exists(datos + QStringLiteral("/EMPRESA1.fdb")));
  EXPECT_TRUE(DeleteTree(carpeta.filePath(QStringLiteral("falta"))));
}

TEST(Paths, CreatePrivateDirMakesANewFolderOnlyItsOwnerMayEnter) {
  QTemporaryDir carpeta;
  const QString una = CreatePrivateDir(carpeta.path(), QStringLiteral("Qov."));
  const QString otra = CreatePrivateDir(carpeta.path(), QStringLiteral("Qov."));
  ASSERT_FALSE(una.isEmpty());
  EXPECT_NE(una, otra);
  EXPECT_TRUE(QFileInfo(una).fileName().startsWith(QStringLiteral("Qov.")));
  struct stat datos {};
  ASSERT_EQ(lstat(QFile::encodeName(una).constData(), &datos), 0);
  EXPECT_TRUE(S_ISDIR(datos.st_mode));
  EXPECT_EQ(datos.st_mode & 07777, 0700u);
  EXPECT_TRUE(CreatePrivateDir(carpeta.filePath(QStringLiteral("falta")), QStringLiteral("Qov.")).isEmpty());
}

// A second name in the same file system, a copy across file systems (/dev/shm is one of its own); never over
// a file that is there.
TEST(Paths, KeepCopyNoReplaceLinksOrCopiesButNeverReplaces) {
  QTemporaryDir carpeta;
  QTemporaryDir otroSistema(QStringLiteral("/dev/shm/qov-XXXXXX"));
  ASSERT_TRUE(otroSistema.isValid());
  const QString origen = carpeta.filePath(QStringLiteral("EMPRESA1.fdb"));
  QFile archivo(origen);
  ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
  archivo.write(QByteArray(3 << 20, 'x') + "fin");
  archivo.close();

  const QString enlace = carpeta.filePath(QStringLiteral("archivada.fdb"));
  ASSERT_TRUE(KeepCopyNoReplace(origen, enlace));
  EXPECT_TRUE(SameFile(origen, enlace));
  const QString copia = otroSistema.filePath(QStringLiteral("archivada.fdb"));
  ASSERT_TRUE(KeepCopyNoReplace(origen, copia));
  EXPECT_FALSE(SameFile(origen, copia));
  QFile leida(copia);
  ASSERT_TRUE(leida.open(QIODevice::ReadOnly));
  EXPECT_EQ(leida.readAll(), QByteArray(3 << 20, 'x') + "fin");
  EXPECT_EQ(QDir(otroSistema.path()).entryList(QDir::Files), QStringList{QStringLiteral("archivada.fdb")});

  const QString ocupado = carpeta.filePath(QStringLiteral("ocupado.fdb"));
  ASSERT_TRUE(QFile(ocupado).open(QIODevice::WriteOnly));
  EXPECT_FALSE(KeepCopyNoReplace(origen, ocupado));
  EXPECT_EQ(QFileInfo(ocupado).size(), 0);
  EXPECT_FALSE(KeepCopyNoReplace(carpeta.filePath(QStringLiteral("falta.fdb")), copia + QStringLiteral("2")));
  EXPECT_FALSE(QFileInfo::exists(copia + QStringLiteral("2")));
}

// A copy that a crash interrupted leaves a file under a name of its own kind; the next copy into that folder
// removes such files and nothing else: not a link of such a name (nor what it points at), not a folder, not a
// name that only looks like one. The copy has the original's owner and mode.
TEST(Paths, ACopyRemovesWhatInterruptedCopiesLeftAndKeepsTheOwnerAndMode) {
  QTemporaryDir carpeta;
  QTemporaryDir otroSistema(QStringLiteral("/dev/shm/qov-XXXXXX"));
  ASSERT_TRUE(otroSistema.isValid());
  const QString origen = carpeta.filePath(QStringLiteral("EMPRESA1.fdb"));
  const QString victima = carpeta.filePath(QStringLiteral("victima.fdb"));
  for (const QString& archivo : {origen, victima}) ASSERT_TRUE(QFile(archivo).open(QIODevice::WriteOnly));
  DarAcceso(origen, 12345, 23456, 0640);
  const QDir destino(otroSistema.path());
  for (const QString& sobrante : {QStringLiteral("EMPRESA1.fdb.copia-sin-terminar.a1B2c3"),
                                  QStringLiteral("ZAPATERIA.fdb.copia-sin-terminar.Zz9Yy8"),
                                  QStringLiteral("notas.copia-sin-terminar.abc"), QStringLiteral("notas.txt")})
    ASSERT_TRUE(QFile(destino.filePath(sobrante)).open(QIODevice::WriteOnly));
  ASSERT_TRUE(QFile::link(victima, destino.filePath(QStringLiteral("OTRA.fdb.copia-sin-terminar.q1w2e3"))));
  ASSERT_TRUE(destino.mkdir(QStringLiteral("X.fdb.copia-sin-terminar.abcdef")));

  ASSERT_TRUE(KeepCopyNoReplace(origen, destino.filePath(QStringLiteral("EMPRESA1.fdb"))));
  EXPECT_EQ(destino.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name),
            (QStringList{QStringLiteral("EMPRESA1.fdb"), QStringLiteral("OTRA.fdb.copia-sin-terminar.q1w2e3"),
                         QStringLiteral("X.fdb.copia-sin-terminar.abcdef"),
                         QStringLiteral("notas.copia-sin-terminar.abc"), QStringLiteral("notas.txt")}));
  EXPECT_TRUE(QFile::exists(victima));
  EXPECT_EQ(AccesoDe(destino.filePath(QStringLiteral("EMPRESA1.fdb"))), QStringLiteral("12345:23456 0640"));
}
