// The icon collections over the fixture resource library that lies beside this test program.

#include <gtest/gtest.h>

#include "controls/icons/ImageCollectionQov.h"
#include "fixtures/ImprimirQt.h"
#include "fixtures/MensajeDeError.h"
#include "fixtures/recursos/RecursosPrueba.h"
#include "platform/rtl/Exception.h"

namespace {

// A collection of the sizes and legacy choice given, filled by the test.
class ColeccionDePrueba : public TqovImageCollection {
 public:
  explicit ColeccionDePrueba(bool AEsLegacy) {
    FSizes = {16, 20};
    FEsLegacy = AEsLegacy;
  }

 protected:
  void RegistrarImagenes() override {}
};

}  // namespace

TEST(ColeccionDePrueba, UnNombreRepetidoDaUnElementoNuevoConUnNumeroDelanteYLasMismasImagenes) {
  ColeccionDePrueba coleccion(false);
  for (const char* nombre : {"Nuevo", "Nuevo", "Nuevo", "nuevo"}) coleccion.AgregarImagen(QString::fromLatin1(nombre));
  ASSERT_EQ(coleccion.Count(), 4);
  const QStringList esperados{"Nuevo", "1Nuevo", "2Nuevo", "3nuevo"};
  for (int i = 0; i < 4; ++i) {
    const TImageCollectionItem& item = coleccion.Items(i);
    EXPECT_EQ(item.Name, esperados[i]);
    ASSERT_EQ(item.SourceImages.size(), 2);
    EXPECT_EQ(item.SourceImages[0].size(), QSize(16, 16));
    EXPECT_EQ(item.SourceImages[1].size(), QSize(20, 20));
    EXPECT_EQ(item.SourceImages[1].pixelColor(0, 0), ColorRegular);
  }
}

TEST(ColeccionDePrueba, ElNombreLegadoSeTomaPrimeroSoloCuandoLaColeccionEsLegado) {
  const struct {
    bool EsLegacy;
    const char* Nombre;
    QColor Color;
  } casos[] = {{false, "Ambos", ColorRegular},
               {true, "Ambos", ColorLegado},
               {false, "Legado", ColorLegado},
               {true, "Legado", ColorLegado},
               {true, "Nuevo", ColorRegular}};
  for (const auto& caso : casos) {
    ColeccionDePrueba coleccion(caso.EsLegacy);
    coleccion.AgregarImagen(QString::fromLatin1(caso.Nombre));
    ASSERT_EQ(coleccion.Count(), 1);
    EXPECT_EQ(coleccion.Items(0).Name, caso.Nombre);
    for (const QImage& imagen : coleccion.Items(0).SourceImages)
      EXPECT_EQ(imagen.pixelColor(0, 0), caso.Color) << caso.Nombre << " legacy " << caso.EsLegacy;
  }
}

TEST(ColeccionDePrueba, UnIconoQueNoEstaFallaConElNombreDelIcono) {
  ColeccionDePrueba coleccion(false);
  EXPECT_EQ(MensajeDeError<Exception>([&] { coleccion.AgregarImagen(QStringLiteral("NoExiste")); }),
            "EL recurso NoExiste no ha encontrado.");
  EXPECT_EQ(coleccion.Count(), 0);
}

// The fixture lacks Calc at 32 pixels: the edit-menu collection, which needs it, fails every time it is asked
// for; the toolbar collection, whose sizes stop at 28, and the selection collection are built.
TEST(ColeccionDePrueba, UnTamanoQueFaltaHaceFallarSoloALaColeccionQueLoNecesita) {
  for (int intento = 0; intento < 2; ++intento)
    EXPECT_EQ(MensajeDeError<Exception>([] { ObtenerEdtImageCollection16(); }), "EL recurso Calc no ha encontrado.");
  EXPECT_EQ(ObtenerImageCollection16()->Count(), 434);
  EXPECT_EQ(ObtenerSelImageCollection16()->Count(), 6);
}
