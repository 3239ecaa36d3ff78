#include "platform/forms/Picture.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QStringList>
#include <cerrno>
#include <cstring>

namespace {

// Qt's name of each image format, in the order of TWICImageFormat; wifOther has none.
const char* const NombresFormato[] = {"bmp", "png", "jpeg", "gif", "tiff", "jxr", nullptr};

TWICImageFormat FormatoDeNombre(const QByteArray& ANombre) {
  const QByteArray nombre = ANombre == "jpg" ? QByteArray("jpeg") : ANombre;
  for (int f = wifBmp; f < wifOther; ++f)
    if (nombre == NombresFormato[f]) return static_cast<TWICImageFormat>(f);
  return wifOther;
}

void Escribir(QIODevice& AStream, const QImage& AImage, const QByteArray& AFormato) {
  if (AImage.isNull()) throw EInvalidGraphic(QStringLiteral("No hay imagen que guardar."));
  QImageWriter escritor(&AStream, AFormato);
  if (AFormato.isEmpty() || !escritor.write(AImage))
    throw EInvalidGraphic(QStringLiteral("No se puede guardar la imagen en formato \"%1\": %2")
                              .arg(QString::fromLatin1(AFormato), escritor.errorString()));
}

// Keeps the messages that the decoders report while it lives, in place of printing them: Qt's decoders
// report a damaged file they could still partly read (a JPEG cut short, "Premature end of JPEG file") as
// a warning and return what they read.
class TAvisosDecodificador {
 public:
  TAvisosDecodificador() : FAnterior(qInstallMessageHandler(&Anotar)) { FActivo = this; }
  ~TAvisosDecodificador() {
    qInstallMessageHandler(FAnterior);
    FActivo = nullptr;
  }
  TAvisosDecodificador(const TAvisosDecodificador&) = delete;
  TAvisosDecodificador& operator=(const TAvisosDecodificador&) = delete;

  const QStringList& Avisos() const { return FAvisos; }

 private:
  static void Anotar(QtMsgType ATipo, const QMessageLogContext& AContexto, const QString& AMensaje) {
    if (ATipo == QtDebugMsg || ATipo == QtInfoMsg)
      FActivo->FAnterior(ATipo, AContexto, AMensaje);
    else
      FActivo->FAvisos << AMensaje;
  }

  static inline TAvisosDecodificador* FActivo = nullptr;
  QtMessageHandler FAnterior;
  QStringList FAvisos;
};

}  // namespace

void TBitmap::SaveToStream(QIODevice& AStream) const { Escribir(AStream, FImage, "bmp"); }

void TWICImage::LoadFromStream(QIODevice& AStream) {
  QImageReader lector(&AStream);
  // The format is known from the content before the picture is read.
  const QByteArray formato = lector.format();
  QImage imagen;
  QStringList avisos;
  {
    const TAvisosDecodificador decodificador;
    imagen = lector.read();
    avisos = decodificador.Avisos();
  }
  if (imagen.isNull()) throw EInvalidGraphic(QStringLiteral("La imagen no es válida: %1").arg(lector.errorString()));
  // What a decoder read of a damaged picture is no picture.
  if (!avisos.isEmpty())
    throw EInvalidGraphic(QStringLiteral("La imagen no es válida: %1").arg(avisos.join(QLatin1Char(' '))));
  FImage = imagen;
  FDecodedFormat = formato;
  FImageFormat = FormatoDeNombre(formato);
}

// Opened without waiting: a FIFO or a device would block the program until someone writes to it.
void TWICImage::LoadFromFile(const QString& AFileName) {
  const int descriptor = open(QFile::encodeName(AFileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0)
    throw EFileError(QStringLiteral("No se puede abrir el archivo \"%1\". %2")
                         .arg(AFileName, QString::fromLocal8Bit(std::strerror(errno))));
  struct stat datos {};
  if (fstat(descriptor, &datos) != 0 || !S_ISREG(datos.st_mode)) {
    close(descriptor);
    throw EInvalidGraphic(QStringLiteral("\"%1\" no es un archivo de imagen.").arg(AFileName));
  }
  QFile archivo;
  archivo.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
  LoadFromStream(archivo);
}

void TWICImage::SaveToStream(QIODevice& AStream) const {
  Escribir(AStream, FImage, FImageFormat == wifOther ? FDecodedFormat : QByteArray(NombresFormato[FImageFormat]));
}

void TWICImage::SaveToFile(const QString& AFileName) const {
  // Written whole or not at all: a failed encoding leaves no partial file in place of an old one.
  QSaveFile archivo(AFileName);
  if (!archivo.open(QIODevice::WriteOnly))
    throw EFileError(QStringLiteral("No se puede crear el archivo \"%1\". %2").arg(AFileName, archivo.errorString()));
  SaveToStream(archivo);
  if (!archivo.commit())
    throw EFileError(
        QStringLiteral("No se puede escribir el archivo \"%1\". %2").arg(AFileName, archivo.errorString()));
}

void TWICImage::Assign(const TGraphic& AGraphic) {
  if (const auto* otra = dynamic_cast<const TWICImage*>(&AGraphic)) {
    *this = *otra;
    return;
  }
  FImage = AGraphic.Image();
  FDecodedFormat = "bmp";
  FImageFormat = wifBmp;
}

void TPicture::Assign(const TGraphic& AGraphic) {
  FGraphic = AGraphic.Clone();
  Changed();
}

void TPicture::Clear() {
  FGraphic.reset();
  Changed();
}

TWICImage& TPicture::WICImage() {
  if (auto* wic = dynamic_cast<TWICImage*>(FGraphic.get())) return *wic;
  auto wic = std::make_unique<TWICImage>();
  if (FGraphic) wic->Assign(*FGraphic);
  FGraphic = std::move(wic);
  Changed();
  return static_cast<TWICImage&>(*FGraphic);
}

void TPicture::Changed() {
  if (OnChange) OnChange();
}
