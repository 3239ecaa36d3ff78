#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

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
