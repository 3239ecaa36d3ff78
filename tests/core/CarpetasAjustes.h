#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

// The machine-wide and the user's application-data folders pointed at temporary folders for one test
// (XDG_CONFIG_DIRS, XDG_CONFIG_HOME), and the settings files in them. Programs started by the test inherit
// them.
class CarpetasAjustes : public ::testing::Test {
 protected:
  void SetUp() override {
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(Comun()) + ":/etc/xdg");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Usuario()));
  }
  void TearDown() override {
    Restaurar("XDG_CONFIG_DIRS", FDirsAnterior, FTeniaDirs);
    Restaurar("XDG_CONFIG_HOME", FHomeAnterior, FTeniaHome);
  }

  QString Comun() const { return FRaiz.filePath(QStringLiteral("comun")); }
  QString Usuario() const { return FRaiz.filePath(QStringLiteral("usuario")); }
  QString ArchivoComun() const { return Comun() + QStringLiteral("/Tarvolin/ProgramData.xml"); }
  QString ArchivoUsuario() const { return Usuario() + QStringLiteral("/Tarvolin/ProgramData.xml"); }

  static QByteArray Leer(const QString& ARuta) {
    QFile archivo(ARuta);
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
  }
  // Writes the file, making its folder when needed.
  static void Escribir(const QString& ARuta, const QByteArray& ADatos) {
    QDir().mkpath(QFileInfo(ARuta).absolutePath());
    QFile archivo(ARuta);
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.write(ADatos);
  }

 private:
  static void Restaurar(const char* ANombre, const QByteArray& AValor, bool ATenia) {
    if (ATenia)
      qputenv(ANombre, AValor);
    else
      qunsetenv(ANombre);
  }

  QTemporaryDir FRaiz;
  QByteArray FDirsAnterior = qgetenv("XDG_CONFIG_DIRS");
  bool FTeniaDirs = qEnvironmentVariableIsSet("XDG_CONFIG_DIRS");
  QByteArray FHomeAnterior = qgetenv("XDG_CONFIG_HOME");
  bool FTeniaHome = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
};
