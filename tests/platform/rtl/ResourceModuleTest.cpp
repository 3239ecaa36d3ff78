#include <gtest/gtest.h>

#include "fixtures/ImprimirQt.h"
#include "fixtures/MensajeDeError.h"
#include "fixtures/recursos/RecursosPrueba.h"
#include "platform/rtl/ResourceModule.h"

namespace {

const TResourceEntry EntradasPrograma[] = {{"MSG_PRUEBA", "RCDATA", "abc", 3}};

// The program's resources of these tests, and the fixture resource library loaded by its path.
class ModulosDeRecursos : public testing::Test {
 protected:
  void SetUp() override {
    RegisterProgramResources({EntradasPrograma, 1});
    FLibreria = LoadLibrary(QStringLiteral(QOV_LIBRERIA_PRUEBA));
    ASSERT_NE(FLibreria, nullptr);
  }
  void TearDown() override {
    if (FLibreria) FreeLibrary(FLibreria);
  }

  HMODULE FLibreria = nullptr;
};

}  // namespace

TEST_F(ModulosDeRecursos, CadaModuloEncuentraSoloSusRecursosSinDistinguirMayusculas) {
  EXPECT_NE(FindResource(FLibreria, QStringLiteral("qov_nuevo_16"), QStringLiteral("png")), nullptr);
  EXPECT_EQ(FindResource(FLibreria, QStringLiteral("QOV_Nuevo_16"), RT_RCDATA), nullptr);
  EXPECT_EQ(FindResource(FLibreria, QStringLiteral("MSG_PRUEBA"), RT_RCDATA), nullptr);
  EXPECT_NE(FindResource(HInstance(), QStringLiteral("Msg_Prueba"), QStringLiteral("rcdata")), nullptr);
  EXPECT_EQ(FindResource(HInstance(), QStringLiteral("QOV_Nuevo_16"), QStringLiteral("PNG")), nullptr);
}

TEST_F(ModulosDeRecursos, UnFlujoLeeLosBytesDelRecursoYNoSeAbreSinElRecurso) {
  TResourceStream flujo(HInstance(), QStringLiteral("MSG_PRUEBA"), RT_RCDATA);
  EXPECT_EQ(flujo.readAll(), "abc");
  EXPECT_EQ(MensajeDeError<EResNotFound>(
                [&] { TResourceStream(FLibreria, QStringLiteral("QOV_NoExiste_16"), QStringLiteral("PNG")); }),
            "Resource QOV_NoExiste_16 not found");
}

TEST_F(ModulosDeRecursos, UnaImagenSeLeeDelRecursoYFaltaSinElRecurso) {
  const QImage imagen = LoadResourceImage(FLibreria, QStringLiteral("QOV_Nuevo_20"), QStringLiteral("PNG"));
  EXPECT_EQ(imagen.size(), QSize(20, 20));
  EXPECT_EQ(imagen.pixelColor(5, 5), ColorRegular);
  EXPECT_TRUE(LoadResourceImage(FLibreria, QStringLiteral("QOV_Nuevo_21"), QStringLiteral("PNG")).isNull());
  EXPECT_TRUE(LoadResourceImage(HInstance(), QStringLiteral("MSG_PRUEBA"), RT_RCDATA).isNull());
}

TEST(ModuloDeRecursos, UnaLibreriaQueNoEstaNoSeCarga) {
  EXPECT_EQ(LoadLibrary(QStringLiteral("NoExiste.dll")), nullptr);
  EXPECT_EQ(LoadLibrary(QStringLiteral("/no/existe/libQovRes.so")), nullptr);
}
