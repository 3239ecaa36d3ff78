#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>

#include "controls/AplicacionControles.h"
#include "controls/dialogs/MessageForm.h"
#include "controls/icons/ManejadorImagenesQov.h"
#include "core/dataaccess/DAIBCParams.h"
#include "fixtures/ImprimirQt.h"
#include "platform/data/MemTable.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Label.h"
#include "platform/forms/ModalSeam.h"

namespace {

using M = TqovManejadorImagenes;

// A picture with a different colour in each quarter, so that a copy turned or scaled shows.
QImage Dibujo(int AAncho, int AAlto) {
  QImage imagen(AAncho, AAlto, QImage::Format_ARGB32);
  imagen.fill(Qt::white);
  QPainter pintor(&imagen);
  pintor.fillRect(0, 0, AAncho / 2, AAlto / 2, Qt::red);
  pintor.fillRect(AAncho / 2, AAlto / 2, AAncho - AAncho / 2, AAlto - AAlto / 2, Qt::blue);
  return imagen;
}

QByteArray Codificada(const QImage& AImagen, const char* AFormato) {
  QByteArray datos;
  QBuffer flujo(&datos);
  flujo.open(QIODevice::WriteOnly);
  QImageWriter(&flujo, AFormato).write(AImagen);
  return datos;
}

// The picture's pixels in one format, to compare pictures decoded from different encodings.
QImage Pixeles(const TImage& AImagen) {
  const TGraphic* grafico = AImagen.Picture().Graphic();
  return grafico ? grafico->Image().convertToFormat(QImage::Format_ARGB32) : QImage();
}

class ManejadorImagenes : public PruebaDeControles {
 protected:
  QString Archivo(const QString& ANombre, const QByteArray& ADatos) {
    const QString ruta = FCarpeta.filePath(ANombre);
    QFile archivo(ruta);
    EXPECT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.write(ADatos);
    return ruta;
  }

  // The control holds the 40 x 30 picture.
  void ConImagenPrevia() { imagen.Picture().Assign(TBitmap(previa)); }

  QTemporaryDir FCarpeta;
  TForm forma{nullptr};
  TImage imagen{&forma};
  const QImage previa = Dibujo(40, 30);
  const QByteArray png = Codificada(Dibujo(32, 32), "png");
};

TEST_F(ManejadorImagenes, AFileLoadsByItsExtensionAndADamagedOneIsAFailedLoad) {
  const struct {
    const char* Nombre;
    QByteArray Datos;
    bool Carga;
    bool ConservaPrevia;  // the control keeps its earlier picture
  } casos[] = {
      {"foto.png", png, true, false},
      {"photo.Jpeg", Codificada(Dibujo(32, 32), "jpeg"), true, false},
      {"foto.JPG", Codificada(Dibujo(32, 32), "jpeg"), true, false},
      {"mapa.bmp", Codificada(Dibujo(32, 32), "bmp"), true, false},
      {"icono.ico", Codificada(Dibujo(32, 32), "ico"), true, false},
      // the content decides the format, not the extension
      {"en realidad png.bmp", png, true, false},
      {"photo.gif", png, false, true},
      {"sin extension", png, false, true},
      {"png.", png, false, true},
      {"rota.png", png.left(png.size() * 2 / 3), false, false},
      {"cortada.jpg", Codificada(Dibujo(64, 64), "jpeg").chopped(40), false, false},
      {"vacia.png", QByteArray(), false, false},
      {"texto.jpg", QByteArray("no es una imagen"), false, false},
      {"dibujo.emf", QByteArray("\x01\x00\x00\x00", 4), false, false},
      {"dibujo.WMF", QByteArray("\xD7\xCD\xC6\x9A", 4), false, false},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.Nombre);
    ConImagenPrevia();
    const QString ruta = Archivo(QString::fromUtf8(caso.Nombre), caso.Datos);
    EXPECT_EQ(M::GetImage(imagen, ruta, wifOther, wipmNone), caso.Carga);
    if (caso.Carga) {
      ASSERT_NE(dynamic_cast<const TWICImage*>(imagen.Picture().Graphic()), nullptr);
      EXPECT_EQ(QSize(imagen.Picture().Width(), imagen.Picture().Height()), QSize(32, 32));
    } else if (caso.ConservaPrevia) {
      EXPECT_EQ(Pixeles(imagen), previa);
    } else {
      EXPECT_TRUE(imagen.Picture().Empty());
    }
  }
  // Anything but a regular file is refused before it is read: a FIFO would wait for a writer for ever.
  const QString fifo = FCarpeta.filePath(QStringLiteral("tuberia.png"));
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  ConImagenPrevia();
  EXPECT_FALSE(M::GetImage(imagen, fifo, wifOther, wipmNone));
  const QString carpeta = FCarpeta.filePath(QStringLiteral("carpeta.png"));
  ASSERT_TRUE(QDir().mkdir(carpeta));
  EXPECT_FALSE(M::GetImage(imagen, carpeta, wifOther, wipmNone));
  // A file that cannot be opened is a failure of the file system, not of the picture.
  EXPECT_THROW(M::GetImage(imagen, FCarpeta.filePath(QStringLiteral("no existe.png")), wifOther, wipmNone), EFileError);
}

TEST_F(ManejadorImagenes, AStreamLoadsWholeAndAnEmptyOneLeavesNoPicture) {
  QByteArray datos = png;
  QBuffer flujo(&datos);
  flujo.open(QIODevice::ReadOnly);
  flujo.seek(datos.size());  // read from the start whatever the position
  EXPECT_TRUE(M::GetImage(imagen, flujo, wifOther, wipmNone, false));
  EXPECT_EQ(imagen.Picture().Width(), 32);

  QByteArray nada;
  QBuffer vacio(&nada);
  vacio.open(QIODevice::ReadOnly);
  EXPECT_FALSE(M::GetImage(imagen, vacio, wifOther, wipmNone, false));
  EXPECT_EQ(imagen.Picture().Graphic(), nullptr);

  QByteArray rotos = png.left(40);
  QBuffer roto(&rotos);
  roto.open(QIODevice::ReadOnly);
  EXPECT_FALSE(M::GetImage(imagen, roto, wifOther, wipmNone, false));
  EXPECT_TRUE(imagen.Picture().Empty());
}

TEST_F(ManejadorImagenes, OnlyAPictureLargerThanTheControlOrAForcedFitIsStretched) {
  imagen.SetBounds(0, 0, 64, 64);
  const struct {
    QSize Tamano;
    bool Forzar;
    bool Estirada;
  } casos[] = {{{32, 32}, false, false},
               {{64, 64}, false, false},
               {{200, 50}, false, true},
               {{50, 65}, false, true},
               {{32, 32}, true, true}};
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.Tamano.width() * 1000 + caso.Tamano.height());
    QByteArray datos = Codificada(Dibujo(caso.Tamano.width(), caso.Tamano.height()), "png");
    QBuffer flujo(&datos);
    flujo.open(QIODevice::ReadOnly);
    ASSERT_TRUE(M::GetImage(imagen, flujo, wifOther, wipmLinear, caso.Forzar));
    EXPECT_EQ(imagen.Stretch(), caso.Estirada);
  }
}

TEST_F(ManejadorImagenes, ASavedPictureReloadsWithTheSamePixelsInItsFormat) {
  const struct {
    const char* Nombre;
    TWICImageFormat Formato;
    QByteArray Cabecera;
  } casos[] = {{"igual.png", wifOther, "\x89PNG"}, {"mapa.png", wifBmp, "BM"}, {"de bmp.bmp", wifPng, "\x89PNG"}};
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.Nombre);
    ASSERT_TRUE(M::GetImage(imagen, Archivo(QStringLiteral("origen.png"), png), caso.Formato, wipmNone));
    const QString ruta = FCarpeta.filePath(QString::fromUtf8(caso.Nombre));
    ASSERT_TRUE(M::SaveToFile(imagen, ruta));
    QFile guardado(ruta);
    ASSERT_TRUE(guardado.open(QIODevice::ReadOnly));
    EXPECT_TRUE(guardado.readAll().startsWith(caso.Cabecera));
    const QImage antes = Pixeles(imagen);
    TImage otra(&forma);
    ASSERT_TRUE(M::GetImage(otra, ruta, wifOther, wipmNone));
    EXPECT_EQ(Pixeles(otra), antes);
  }
  // GIF and TIFF have no encoder here: saving fails and writes nothing.
  ASSERT_TRUE(M::GetImage(imagen, Archivo(QStringLiteral("origen.png"), png), wifGif, wipmNone));
  EXPECT_FALSE(M::SaveToFile(imagen, FCarpeta.filePath(QStringLiteral("animada.gif"))));
  EXPECT_FALSE(QFile::exists(FCarpeta.filePath(QStringLiteral("animada.gif"))));

  // From a stream: decoded, then saved in the format it came in.
  QByteArray datos = Codificada(Dibujo(20, 10), "bmp");
  QBuffer flujo(&datos);
  flujo.open(QIODevice::ReadOnly);
  const QString desdeFlujo = FCarpeta.filePath(QStringLiteral("flujo.img"));
  ASSERT_TRUE(M::SaveToFile(flujo, desdeFlujo));
  EXPECT_EQ(QImage(desdeFlujo).convertToFormat(QImage::Format_ARGB32), Dibujo(20, 10));
  QByteArray nada;
  QBuffer vacio(&nada);
  vacio.open(QIODevice::ReadOnly);
  EXPECT_FALSE(M::SaveToFile(vacio, FCarpeta.filePath(QStringLiteral("vacio.png"))));
  TImage sinImagen(&forma);
  EXPECT_FALSE(M::SaveToFile(sinImagen, FCarpeta.filePath(QStringLiteral("nada.png"))));
}

TEST_F(ManejadorImagenes, APictureCopiesFromAnotherControlOrAGraphic) {
  TImage destino(&forma);
  ConImagenPrevia();  // a bitmap: written out and decoded again
  EXPECT_TRUE(M::GetImage(imagen, destino, wifPng, wipmCubic));
  const auto* copia = dynamic_cast<const TWICImage*>(destino.Picture().Graphic());
  ASSERT_NE(copia, nullptr);
  EXPECT_EQ(copia->Image().convertToFormat(QImage::Format_ARGB32), previa);
  EXPECT_EQ(copia->ImageFormat(), wifPng);
  EXPECT_EQ(copia->InterpolationMode(), wipmCubic);

  TImage vacia(&forma);
  EXPECT_FALSE(M::GetImage(vacia, destino, wifOther, wipmNone));
  EXPECT_EQ(destino.Picture().Graphic(), nullptr);

  EXPECT_TRUE(M::GetImage(destino, TBitmap(previa), wifOther, wipmNone));
  EXPECT_EQ(Pixeles(destino), previa);
  // Metafiles cannot be decoded here.
  EXPECT_FALSE(M::GetImage(destino, TMetaFile(), wifOther, wipmNone));
  EXPECT_EQ(Pixeles(destino), previa);
  QBuffer flujo;
  flujo.open(QIODevice::ReadWrite);
  EXPECT_FALSE(M::GetStream(flujo, TMetaFile()));
}

TEST_F(ManejadorImagenes, ResourcesLoadByNameAndAMissingOneChangesNothing) {
  ConImagenPrevia();
  EXPECT_FALSE(M::LoadFromResource(imagen, HInstance(), QStringLiteral("MSG_NINGUNA"), RT_RCDATA, wifOther,
                                   wipmHighQualityCubic, false));
  EXPECT_EQ(Pixeles(imagen), previa);
  std::unique_ptr<TResourceStream> flujo;
  EXPECT_FALSE(M::LoadFromResource(flujo, HInstance(), QStringLiteral("MSG_NINGUNA"), RT_RCDATA));
  EXPECT_EQ(flujo, nullptr);

  EXPECT_TRUE(M::LoadFromResource(imagen, HInstance(), QStringLiteral("MSG_WARNING"), RT_RCDATA, wifOther,
                                  wipmHighQualityCubic, true));
  EXPECT_EQ(imagen.Picture().Width(), 64);
  EXPECT_TRUE(imagen.Stretch());
  EXPECT_TRUE(M::LoadFromResource(flujo, HInstance(), QStringLiteral("MSG_ERROR"), RT_RCDATA));
  ASSERT_NE(flujo, nullptr);
  EXPECT_EQ(flujo->pos(), 0);
  EXPECT_GT(flujo->size(), 0);
}

TEST_F(ManejadorImagenes, APictureGoesIntoAFieldOrAParameterAndComesBack) {
  TMemTable tabla;
  tabla.FieldDefs().push_back({QStringLiteral("FOTO"), ftBlob});
  tabla.Open();
  tabla.Append();
  TField& foto = tabla.FieldByName(QStringLiteral("FOTO"));
  ConImagenPrevia();
  ASSERT_TRUE(M::SetField(foto, imagen));
  tabla.Post();
  EXPECT_TRUE(foto.AsBytes().startsWith("BM"));  // a bitmap saves as a bitmap
  TImage leida(&forma);
  ASSERT_TRUE(M::GetImage(leida, foto, wifOther, wipmNone));
  EXPECT_EQ(Pixeles(leida), previa);

  // Outside editing the field refuses the value: a failure, not an exception.
  EXPECT_FALSE(M::SetField(foto, imagen));
  tabla.Edit();
  QBuffer vacio;
  vacio.open(QIODevice::ReadWrite);
  EXPECT_TRUE(M::SetField(foto, vacio));
  EXPECT_TRUE(foto.IsNull());
  EXPECT_FALSE(M::GetImage(leida, foto, wifOther, wipmNone));
  QBuffer flujo;
  flujo.open(QIODevice::ReadWrite);
  EXPECT_FALSE(M::GetStream(flujo, foto));

  TqovDAParam parametro(QStringLiteral("FOTO"));
  ASSERT_TRUE(M::SetParam(parametro, imagen));
  EXPECT_EQ(QImage::fromData(parametro.AsBlob()).convertToFormat(QImage::Format_ARGB32), previa);
  EXPECT_TRUE(M::SetParam(parametro, vacio));
  EXPECT_TRUE(parametro.IsNull());
  TImage sinImagen(&forma);
  EXPECT_FALSE(M::SetParam(parametro, sinImagen));
}

TEST_F(ManejadorImagenes, TheDialogAsksAgainUntilAPictureLoadsOrTheOperatorCancels) {
  QStringList respuestas = {Archivo(QStringLiteral("rota.png"), png.left(60)), Archivo(QStringLiteral("a.gif"), png),
                            Archivo(QStringLiteral("buena.png"), png)};
  QStringList vistos;
  OnExecuteFileDialog = [&](TOpenDialog& ADialogo) {
    vistos << QStringLiteral("%1 %2 %3").arg(ADialogo.Title).arg(ADialogo.FilterIndex).arg(ADialogo.Filter);
    if (respuestas.isEmpty()) return false;
    ADialogo.FileName = respuestas.takeFirst();
    return true;
  };
  OnModalShown = [&](QWidget& AVentana) {
    vistos << dynamic_cast<TMessageForm&>(AVentana).findChild<TLabel*>(QStringLiteral("Message"))->Caption();
    AVentana.close();
  };
  EXPECT_TRUE(M::OpenImageDialog(&forma, QStringLiteral("Foto"), imagen, wifOther, wipmNone));
  EXPECT_EQ(imagen.Picture().Width(), 32);
  const QString dialogo = QStringLiteral(
      "Foto 2 Todos los archivos|*.*|Todas las imágenes|*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf;*.png|Formato "
      "JPEG|*.jpg;*.jpeg|Mapa de bits de Windows|*.bmp|Iconos|*.ico|Meta archivo mejorado de Windows|*.emf|Meta "
      "archivo de Windows|*.wmf|Formato PNG|*.png");
  const QString error = QStringLiteral("El formato de la imagen es incorrecto.");
  EXPECT_EQ(vistos, (QStringList{dialogo, error, dialogo, error, dialogo}));

  // Into a stream; then cancelled.
  respuestas = {Archivo(QStringLiteral("otra.png"), png)};
  QBuffer flujo;
  flujo.open(QIODevice::ReadWrite);
  EXPECT_TRUE(M::OpenImageDialog(&forma, QStringLiteral("Foto"), flujo, wifBmp, wipmNone));
  EXPECT_TRUE(flujo.data().startsWith("BM"));
  EXPECT_FALSE(M::OpenImageDialog(&forma, QStringLiteral("Foto"), flujo, wifBmp, wipmNone));
}

}  // namespace
