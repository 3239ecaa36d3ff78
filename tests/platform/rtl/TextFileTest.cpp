#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "fixtures/ImprimirQt.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/TextFile.h"

namespace {
QByteArray Leer(const QString& ruta) {
  QFile f(ruta);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}
void Escribir(const QString& ruta, const QByteArray& datos) {
  QFile f(ruta);
  f.open(QIODevice::WriteOnly);
  f.write(datos);
}
}  // namespace

TEST(TextFile, EveryByteSurvivesALoadAndASave) {
  QTemporaryDir carpeta;
  const QString ruta = carpeta.filePath(QStringLiteral("s.sql"));
  QByteArray datos;
  for (int b = 1; b < 256; ++b)
    if (b != '\n' && b != '\r') datos += static_cast<char>(b);
  Escribir(ruta, datos + "\n" + datos + "\n");
  SaveAnsiLines(ruta, LoadAnsiLines(ruta));
  EXPECT_EQ(Leer(ruta), datos + "\n" + datos + "\n");
  EXPECT_TRUE(LoadAnsiLines(ruta)[0].contains(QChar(0xE1)));  // á in ISO-8859-1
}

TEST(TextFile, LinesSplitAtLineFeedsWithOrWithoutCarriageReturn) {
  QTemporaryDir carpeta;
  const QString ruta = carpeta.filePath(QStringLiteral("s.sql"));
  const struct {
    QByteArray datos;
    QStringList lineas;
  } casos[] = {
      {"", {}},
      {"\n", {""}},
      {"a\r\nb\nc", {"a", "b", "c"}},
      {"\nSET SQL DIALECT 3; \n\n", {"", "SET SQL DIALECT 3; ", ""}},
  };
  for (const auto& caso : casos) {
    Escribir(ruta, caso.datos);
    EXPECT_EQ(LoadAnsiLines(ruta), caso.lineas) << caso.datos.constData();
  }
}

TEST(TextFile, AMissingFileRaises) {
  QTemporaryDir carpeta;
  EXPECT_THROW(LoadAnsiLines(carpeta.filePath(QStringLiteral("falta.sql"))), EFileError);
  EXPECT_THROW(SaveAnsiLines(carpeta.filePath(QStringLiteral("no/hay/carpeta.sql")), {}), EFileError);
}

TEST(TextFile, InsertLineAcceptsThePositionsOfTheList) {
  QStringList dos{"a", "b"};
  InsertLine(dos, 2, QStringLiteral("c"));
  EXPECT_EQ(dos, (QStringList{"a", "b", "c"}));
  QStringList una{"a"};
  try {
    InsertLine(una, 2, QStringLiteral("c"));
    FAIL() << "no error";
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Índice de lista fuera de límites (2)"));
  }
}
