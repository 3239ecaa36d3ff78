// The icon collections when the resource library is missing at first: this test program lies in a folder of its
// own, where the test puts the fixture library only after the first failure.

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "controls/icons/ImageCollectionQov.h"
#include "fixtures/ImprimirQt.h"
#include "fixtures/MensajeDeError.h"
#include "platform/rtl/Exception.h"

namespace {

QString LibreriaJuntoAlPrograma() {
  return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath() +
         QStringLiteral("/libQovRes.so");
}

// Removes the library that the test put beside the program, also when the test fails.
struct LibreriaPuesta {
  ~LibreriaPuesta() { QFile::remove(LibreriaJuntoAlPrograma()); }
};

}  // namespace

TEST(SinLibreria, LaColeccionFallaMientrasNoHayLibreriaYSeCreaCuandoLaHay) {
  const LibreriaPuesta limpieza;
  QFile::remove(LibreriaJuntoAlPrograma());
  for (int intento = 0; intento < 2; ++intento)
    EXPECT_EQ(MensajeDeError<Exception>([] { ObtenerSelImageCollection16(); }),
              "Error al cargar la librería QovRes.dll");
  ASSERT_TRUE(QFile::copy(QStringLiteral(QOV_LIBRERIA_PRUEBA), LibreriaJuntoAlPrograma()));
  EXPECT_EQ(ObtenerSelImageCollection16()->Count(), 6);
}
