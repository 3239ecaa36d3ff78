// The program's start-up when the icon library is missing: this test program lies in a folder of its own, without
// libQovRes.so beside it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>

#include "app/inicio/Programa.h"
#include "fixtures/AplicacionDePrueba.h"
#include "fixtures/ImprimirQt.h"
#include "platform/forms/ModalSeam.h"

TEST(SinLibreria, TheProgramReportsTheMissingIconLibraryAndEndsWithAnError) {
  AplicacionDePrueba();
  QStringList cajas;
  OnModalShown = [&](QWidget& AVentana) {
    if (auto* caja = qobject_cast<QMessageBox*>(&AVentana)) cajas << caja->windowTitle() + ": " + caja->text();
  };
  testing::internal::CaptureStderr();
  const int codigo = EjecutarDrevalino(*Application);
  const std::string error = testing::internal::GetCapturedStderr();
  EXPECT_EQ(codigo, 1);
  EXPECT_EQ(cajas, QStringList{"Drevalino: Error al cargar la librería QovRes.dll"});
  EXPECT_NE(error.find("Error al cargar la librería QovRes.dll\n"), std::string::npos) << error;
  // No window of the program stays.
  for (QWidget* ventana : QApplication::topLevelWidgets())
    EXPECT_FALSE(ventana->isVisible()) << ventana->objectName().toStdString();
}
