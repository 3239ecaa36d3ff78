#include <gtest/gtest.h>

#include <QBuffer>

#include "fixtures/AplicacionDePrueba.h"
#include "fixtures/ImprimirQt.h"
#include "fixtures/MensajeDeError.h"
#include "platform/forms/ImageCollection.h"
#include "platform/forms/VirtualImageList.h"

namespace {

// Adds a square PNG of that side and colour under the name.
void Agregar(TImageCollection& AColeccion, const QString& ANombre, int ALado, Qt::GlobalColor AColor = Qt::red) {
  QImage imagen(ALado, ALado, QImage::Format_ARGB32);
  imagen.fill(AColor);
  QByteArray png;
  QBuffer escritura(&png);
  escritura.open(QIODevice::WriteOnly);
  imagen.save(&escritura, "PNG");
  QBuffer lectura(&png);
  lectura.open(QIODevice::ReadOnly);
  AColeccion.Add(ANombre, lectura);
}

}  // namespace

TEST(ImageCollection, UnNombreNuevoCreaElElementoYElMismoNombreEnCualquierCasoLeAgregaTamanos) {
  TImageCollection coleccion;
  Agregar(coleccion, QStringLiteral("Nuevo"), 16);
  Agregar(coleccion, QStringLiteral("Abrir"), 16);
  Agregar(coleccion, QStringLiteral("NUEVO"), 20);
  ASSERT_EQ(coleccion.Count(), 2);
  EXPECT_EQ(coleccion.Items(0).Name, "Nuevo");
  ASSERT_EQ(coleccion.Items(0).SourceImages.size(), 2);
  EXPECT_EQ(coleccion.Items(0).SourceImages[1].size(), QSize(20, 20));
  EXPECT_EQ(coleccion.GetIndexByName(QStringLiteral("abrir")), 1);
  EXPECT_EQ(coleccion.GetIndexByName(QStringLiteral("Cerrar")), -1);
}

TEST(ImageCollection, UnFlujoSinImagenYUnIndiceFueraDeLaListaFallan) {
  TImageCollection coleccion;
  QByteArray basura("no es una imagen");
  QBuffer flujo(&basura);
  flujo.open(QIODevice::ReadOnly);
  EXPECT_TRUE(MensajeDeError<EInvalidGraphic>([&] {
                coleccion.Add(QStringLiteral("Roto"), flujo);
              }).startsWith("La imagen \"Roto\" no es válida"));
  EXPECT_EQ(coleccion.Count(), 0);
  EXPECT_EQ(MensajeDeError<EListError>([&] { coleccion.Items(0); }), "Índice de lista fuera de límites (0)");
}

TEST(VirtualImageList, WithoutGreyADisabledItemShowsItsSuffixedItemOrItself) {
  AplicacionDePrueba();
  TImageCollection coleccion;
  Agregar(coleccion, QStringLiteral("Copiar"), 16, Qt::red);
  Agregar(coleccion, QStringLiteral("Copiar_Disabled"), 16, Qt::blue);
  Agregar(coleccion, QStringLiteral("Pegar"), 16, Qt::green);
  TVirtualImageList lista(nullptr);
  lista.SetImageCollection(&coleccion);
  lista.SetAutoFill(true);
  lista.SetScaled(false);
  const auto inhabilitado = [&](int AIndice) {
    return lista.Icon(AIndice).pixmap(QSize(16, 16), QIcon::Disabled).toImage().pixelColor(8, 8);
  };
  EXPECT_NE(inhabilitado(0), QColor(Qt::red));  // grey by default

  lista.SetDisabledGrayscale(false);
  EXPECT_EQ(inhabilitado(0), QColor(Qt::blue));
  EXPECT_EQ(inhabilitado(2), QColor(Qt::green));
  lista.SetDisabledSuffix(QStringLiteral("_Gris"));
  EXPECT_EQ(inhabilitado(0), QColor(Qt::red));
}
