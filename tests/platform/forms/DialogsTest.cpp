#include <gtest/gtest.h>

#include <QFileDialog>
#include <QTemporaryDir>

#include "fixtures/AplicacionDePrueba.h"
#include "fixtures/ImprimirQt.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Form.h"
#include "platform/forms/ModalSeam.h"

namespace {

class DialogosArchivo : public PruebaDeVentanas {};

TEST_F(DialogosArchivo, TheFilterNotationBecomesQtsNameFilters) {
  EXPECT_EQ(NameFilters(QStringLiteral("Gbak|gbak.exe")), QStringList{"Gbak (gbak.exe)"});
  EXPECT_EQ(NameFilters(QStringLiteral("Todos los archivos|*.*|Imágenes|*.jpg;*.png")),
            (QStringList{"Todos los archivos (*.*)", "Imágenes (*.jpg *.png)"}));
  EXPECT_EQ(NameFilters(QString()), QStringList());
}

TEST_F(DialogosArchivo, TheOperatorChoosesAFileInTheRealDialog) {
  QTemporaryDir carpeta;
  TForm forma(nullptr);
  TOpenDialog dialogo(&forma);
  dialogo.Title = QStringLiteral("Herramienta gbak (gbak.exe)");
  dialogo.Filter = QStringLiteral("Gbak|gbak.exe|Todos|*.*");
  dialogo.FilterIndex = 2;
  dialogo.InitialDir = carpeta.path();
  OnModalShown = [&](QWidget& AVentana) {
    auto& archivos = dynamic_cast<QFileDialog&>(AVentana);
    EXPECT_EQ(archivos.windowTitle(), dialogo.Title);
    EXPECT_EQ(archivos.selectedNameFilter(), QStringLiteral("Todos (*.*)"));
    archivos.selectFile(carpeta.filePath(QStringLiteral("gbak")));
    static_cast<QDialog&>(archivos).accept();
  };
  ASSERT_TRUE(dialogo.Execute());
  EXPECT_EQ(dialogo.FileName, carpeta.filePath(QStringLiteral("gbak")));
  EXPECT_EQ(dialogo.FilterIndex, 2);

  OnModalShown = [](QWidget& AVentana) { dynamic_cast<QFileDialog&>(AVentana).reject(); };
  EXPECT_FALSE(dialogo.Execute());
}

TEST_F(DialogosArchivo, TheSeamAnswersInsteadOfTheOperator) {
  TSaveDialog dialogo(nullptr);
  OnExecuteFileDialog = [](TOpenDialog& ADialogo) {
    ADialogo.FileName = QStringLiteral("/tmp/detalles.txt");
    return true;
  };
  EXPECT_TRUE(dialogo.Execute());
  EXPECT_EQ(dialogo.FileName, QStringLiteral("/tmp/detalles.txt"));
}

}  // namespace
