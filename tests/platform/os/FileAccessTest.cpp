#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "fixtures/AccesoArchivos.h"
#include "fixtures/ImprimirQt.h"
#include "platform/os/FileAccess.h"
#include "platform/rtl/Exception.h"

// Each class that may read or write the database keeps its bits on a file and gets every right on a folder;
// the owner always reads and writes; others get nothing. What is no regular file gives the defaults.
TEST(FileAccess, FromTheDatabasesOwnerGroupAndMode) {
  QTemporaryDir carpeta;
  const QString bd = carpeta.filePath(QStringLiteral("EMPRESA1.fdb"));
  ASSERT_TRUE(QFile(bd).open(QIODevice::WriteOnly));
  const struct {
    mode_t base, archivo, carpeta;
  } casos[] = {{0600, 0600, 0700}, {0640, 0640, 0770}, {0620, 0620, 0770}, {0606, 0600, 0700}, {0400, 0600, 0700}};
  for (const auto& caso : casos) {
    DarAcceso(bd, 12345, 23456, caso.base);
    const FileAccess acceso = AccessFrom(bd);
    EXPECT_EQ(acceso.Owner, 12345u);
    EXPECT_EQ(acceso.Group, 23456u);
    EXPECT_EQ(acceso.FileMode, caso.archivo) << caso.base;
    EXPECT_EQ(acceso.FolderMode, caso.carpeta) << caso.base;
  }
  const QString enlace = carpeta.filePath(QStringLiteral("enlace.fdb"));
  ASSERT_TRUE(QFile::link(bd, enlace));
  for (const QString& otro : {enlace, carpeta.path(), carpeta.filePath(QStringLiteral("falta.fdb"))}) {
    const FileAccess acceso = AccessFrom(otro);
    EXPECT_EQ(acceso.Owner, geteuid());
    EXPECT_EQ(acceso.FileMode, 0600u);
    EXPECT_EQ(acceso.FolderMode, 0700u);
  }
}

// A new file or folder is made with the access; a file never replaces one that is there, nor goes where a link
// points.
TEST(FileAccess, NewFilesAndFoldersGetItAndReplaceNothing) {
  QTemporaryDir carpeta;
  const FileAccess acceso{12345, 23456, 0640, 0770};
  const QString nota = carpeta.filePath(QStringLiteral("leame.txt"));
  WriteNewFile(nota, "nota", acceso);
  EXPECT_EQ(AccesoDe(nota), QStringLiteral("12345:23456 0640"));
  EXPECT_THROW(WriteNewFile(nota, "otra", acceso), EFileError);
  QFile escrita(nota);
  ASSERT_TRUE(escrita.open(QIODevice::ReadOnly));
  EXPECT_EQ(escrita.readAll(), "nota");

  const QString fuera = carpeta.filePath(QStringLiteral("fuera.txt"));
  const QString enlace = carpeta.filePath(QStringLiteral("enlace.txt"));
  ASSERT_TRUE(QFile::link(fuera, enlace));
  EXPECT_THROW(WriteNewFile(enlace, "nota", acceso), EFileError);
  EXPECT_FALSE(QFile::exists(fuera));

  const QString sub = carpeta.filePath(QStringLiteral("Respaldos"));
  ASSERT_TRUE(CreateDirWithAccess(sub, acceso));
  EXPECT_EQ(AccesoDe(sub), QStringLiteral("12345:23456 0770"));
  EXPECT_FALSE(CreateDirWithAccess(sub, acceso));
  EXPECT_FALSE(ApplyAccess(enlace, acceso));
}
