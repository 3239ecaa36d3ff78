#include <gtest/gtest.h>

#include <QHash>
#include <QTemporaryDir>

#include "controls/icons/ImageCollectionQov.h"
#include "controls/icons/NombresImagenesQov.h"
#include "fixtures/ImprimirQt.h"
#include "platform/os/ProcessRunner.h"
#include "platform/rtl/ResourceModule.h"

namespace {

template <typename Lista>
QStringList Textos(const Lista& ALista) {
  QStringList textos;
  for (const char* texto : ALista) textos << QString::fromLatin1(texto);
  return textos;
}

template <typename Lista>
QList<int> Enteros(const Lista& ALista) {
  return QList<int>(ALista.begin(), ALista.end());
}

// Whether any pixel of the picture is opaque and any is transparent: a drawn icon, not a blank or a full square.
bool TieneDibujoYFondo(const QImage& AImagen) {
  bool opaco = false, transparente = false;
  for (int y = 0; y < AImagen.height(); ++y)
    for (int x = 0; x < AImagen.width(); ++x) {
      const int alfa = qAlpha(AImagen.pixel(x, y));
      opaco = opaco || alfa == 255;
      transparente = transparente || alfa == 0;
    }
  return opaco && transparente;
}

}  // namespace

// The real resource library: every collection whole, in its order, each image exactly its size, and no two icons
// of a collection alike at any size.
TEST(ColeccionesDeIconos, CadaColeccionTieneCadaIconoEnSuOrdenYATodosSusTamanos) {
  const struct {
    const TImageCollection* Coleccion;
    QStringList Nombres;
    QList<int> Tamanos;
  } casos[] = {
      {ObtenerImageCollection16(), Textos(NombresImagenes16), Enteros(TamanosImagenes16)},
      {ObtenerEdtImageCollection16(), Textos(NombresEdtImagenes16), Enteros(TamanosImagenesEdtSel16)},
      {ObtenerSelImageCollection16(), Textos(NombresSelImagenes16), Enteros(TamanosImagenesEdtSel16)},
  };
  for (const auto& caso : casos) {
    ASSERT_EQ(caso.Coleccion->Count(), caso.Nombres.size());
    QList<QHash<QByteArray, QString>> vistas(caso.Tamanos.size());
    for (int i = 0; i < caso.Coleccion->Count(); ++i) {
      const TImageCollectionItem& item = caso.Coleccion->Items(i);
      EXPECT_EQ(item.Name, caso.Nombres[i]);
      ASSERT_EQ(item.SourceImages.size(), caso.Tamanos.size()) << item.Name.toStdString();
      for (int j = 0; j < caso.Tamanos.size(); ++j) {
        const QImage imagen = item.SourceImages[j].convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(imagen.size(), QSize(caso.Tamanos[j], caso.Tamanos[j])) << item.Name.toStdString();
        EXPECT_TRUE(TieneDibujoYFondo(imagen)) << item.Name.toStdString() << " " << caso.Tamanos[j];
        const QByteArray pixeles(reinterpret_cast<const char*>(imagen.constBits()), imagen.sizeInBytes());
        EXPECT_FALSE(vistas[j].contains(pixeles))
            << item.Name.toStdString() << " = " << vistas[j].value(pixeles).toStdString() << " at " << caso.Tamanos[j];
        vistas[j].insert(pixeles, item.Name);
      }
    }
  }
}

TEST(ColeccionesDeIconos, LosIndicesQueUsaElProgramaSonLosDeSusIconos) {
  const TImageCollection& barra = *ObtenerImageCollection16();
  EXPECT_EQ(barra.Items(228).Name, "CheckBoxOff");
  EXPECT_EQ(barra.Items(229).Name, "CheckBoxOn");
  EXPECT_EQ(barra.Items(254).Name, "CalcBtn");
  EXPECT_EQ(barra.GetIndexByName(QStringLiteral("calcbtn")), 254);
  EXPECT_EQ(ObtenerEdtImageCollection16()->Items(2).Name, "Copiar");
  EXPECT_EQ(ObtenerEdtImageCollection16()->Items(6).Name, "QueEs");
  EXPECT_EQ(ObtenerSelImageCollection16()->Items(0).Name, "QueEs");
}

TEST(ColeccionesDeIconos, CadaColeccionSeCreaUnaVezYSeComparte) {
  EXPECT_EQ(ObtenerImageCollection16(), ObtenerImageCollection16());
  EXPECT_EQ(ObtenerEdtImageCollection16(), ObtenerEdtImageCollection16());
  EXPECT_EQ(ObtenerSelImageCollection16(), ObtenerSelImageCollection16());
}

// The program's pictures are the program's and the icons the library's: neither module finds the other's.
TEST(RecursosDelPrograma, CadaModuloTieneSoloSusRecursos) {
  const HMODULE libreria = LoadLibrary(QStringLiteral("QovRes.dll"));
  ASSERT_NE(libreria, nullptr);
  EXPECT_NE(FindResource(libreria, QStringLiteral("QOV_Nuevo_16"), QStringLiteral("PNG")), nullptr);
  EXPECT_EQ(FindResource(HInstance(), QStringLiteral("QOV_Nuevo_16"), QStringLiteral("PNG")), nullptr);
  EXPECT_NE(FindResource(HInstance(), QStringLiteral("MSG_ERROR"), RT_RCDATA), nullptr);
  EXPECT_EQ(FindResource(libreria, QStringLiteral("MSG_ERROR"), RT_RCDATA), nullptr);
  FreeLibrary(libreria);
}

TEST(RecursosDelPrograma, LasImagenesDeLosMensajesSonDe64PorLadoConTransparenciaYElLogoDe384Por76) {
  QList<QImage> vistas;
  for (const char* nombre : {"MSG_ERROR", "MSG_WARNING", "MSG_INFO"}) {
    const QImage imagen = LoadResourceImage(HInstance(), QString::fromLatin1(nombre), RT_RCDATA);
    EXPECT_EQ(imagen.size(), QSize(64, 64)) << nombre;
    EXPECT_TRUE(imagen.hasAlphaChannel()) << nombre;
    EXPECT_TRUE(TieneDibujoYFondo(imagen)) << nombre;
    EXPECT_FALSE(vistas.contains(imagen)) << nombre;
    vistas << imagen;
  }
  EXPECT_EQ(LoadResourceImage(HInstance(), QStringLiteral("InicioSesion"), QStringLiteral("PNG")).size(),
            QSize(384, 76));
  // The message pictures are raw data, not PNG resources.
  EXPECT_EQ(FindResource(HInstance(), QStringLiteral("MSG_INFO"), QStringLiteral("PNG")), nullptr);
}

// The contact sheet builds the collections under an application object and ends after it: images kept as QImage
// outlive it, so the process ends cleanly.
TEST(HojaDeContactos, SeEscribeYElProgramaTerminaSinFallar) {
  QTemporaryDir carpeta;
  const QString hoja = carpeta.filePath(QStringLiteral("hoja.png"));
  ProcessHandle proceso = 0;
  EXPECT_EQ(EjecutarProceso({QStringLiteral(QOV_HOJA_CONTACTOS), {hoja}}, proceso), 0);
  const QImage imagen(hoja);
  EXPECT_GT(imagen.width(), 28 * 30);
  EXPECT_GT(imagen.height(), 434 / 30 * (16 + 20 + 24 + 28));
}
