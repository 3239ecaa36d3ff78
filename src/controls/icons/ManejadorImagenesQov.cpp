#include "controls/icons/ManejadorImagenesQov.h"

#include <QBuffer>
#include <QFileInfo>
#include <QStringList>

#include "controls/dialogs/DialogosQov.h"
#include "core/dataaccess/DAIBCParams.h"
#include "platform/data/DataSet.h"
#include "platform/forms/Dialogs.h"

namespace {

const QStringList ExtensionesAceptadas = {QStringLiteral(".JPEG"), QStringLiteral(".JPG"), QStringLiteral(".BMP"),
                                          QStringLiteral(".ICO"),  QStringLiteral(".EMF"), QStringLiteral(".WMF"),
                                          QStringLiteral(".PNG")};
const QStringList ExtensionesMetaArchivo = {QStringLiteral(".EMF"), QStringLiteral(".WMF")};

const QString FiltroImagenes = QStringLiteral(
    "Todos los archivos|*.*|Todas las imágenes|*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf;*.png|Formato JPEG|*.jpg;*.jpeg|"
    "Mapa de bits de Windows|*.bmp|Iconos|*.ico|Meta archivo mejorado de Windows|*.emf|Meta archivo de Windows|*.wmf|"
    "Formato PNG|*.png");

// The file name's extension with its dot, upper-cased; empty when it has none.
QString Extension(const QString& AFileName) {
  const QString nombre = QFileInfo(AFileName).fileName();
  const qsizetype punto = nombre.lastIndexOf(QLatin1Char('.'));
  return punto < 0 ? QString() : nombre.mid(punto).toUpper();
}

// A memory stream open for reading and writing.
struct TFlujoMemoria : QBuffer {
  TFlujoMemoria() { open(QIODevice::ReadWrite); }
};

// Loads the stream's whole content through ACargar, or runs AVaciar for an empty stream; false when either
// raises.
template <typename Cargar, typename Vaciar>
bool CargarDesdeFlujo(QIODevice& AStream, Cargar ACargar, Vaciar AVaciar) {
  try {
    AStream.seek(0);
    if (AStream.size() > 0)
      ACargar();
    else
      AVaciar();
    return true;
  } catch (const Exception&) {
    return false;
  }
}

// Decodes a picture through ACargar (from a file or a stream) into the control; false, the control left as it
// was, when there is no picture that can be read.
template <typename Cargar>
bool Decodificar(TImage& AImage, Cargar ACargar) {
  TWICImage imagen;
  try {
    ACargar(imagen);
  } catch (const EInvalidGraphic&) {
    return false;
  }
  AImage.Picture().Assign(imagen);
  return true;
}

}  // namespace

void TqovManejadorImagenes::AjustarImagen(TImage& AImage, TWICImageFormat AImageFormat,
                                          TWICImageInterpolationMode AInterpolationMode, bool AForzarAjuste) {
  TWICImage& imagen = AImage.Picture().WICImage();
  imagen.SetInterpolationMode(AInterpolationMode);
  if (AImageFormat != wifOther) imagen.SetImageFormat(AImageFormat);
  AImage.SetStretch(AForzarAjuste || imagen.Height() > AImage.Height() || imagen.Width() > AImage.Width());
}

bool TqovManejadorImagenes::OpenImageDialog(TComponent* AOwner, const QString& ATitle, TImage& AImage,
                                            TWICImageFormat AImageFormat,
                                            TWICImageInterpolationMode AInterpolationMode) {
  TOpenDialog dialogo(nullptr);
  dialogo.Filter = FiltroImagenes;
  dialogo.FilterIndex = 2;
  dialogo.Options = TOpenOptions(ofReadOnly) | ofOverwritePrompt | ofHideReadOnly | ofPathMustExist | ofFileMustExist;
  dialogo.Title = ATitle;
  while (dialogo.Execute()) {
    if (GetImage(AImage, dialogo.FileName, AImageFormat, AInterpolationMode)) return true;
    MostrarError(AOwner, QStringLiteral("El formato de la imagen es incorrecto."));
  }
  return false;
}

bool TqovManejadorImagenes::OpenImageDialog(TComponent* AOwner, const QString& ATitle, QIODevice& AStream,
                                            TWICImageFormat AImageFormat,
                                            TWICImageInterpolationMode AInterpolationMode) {
  TImage temporal(nullptr);
  return OpenImageDialog(AOwner, ATitle, temporal, AImageFormat, AInterpolationMode) && GetStream(AStream, temporal);
}

bool TqovManejadorImagenes::GetImage(TImage& AImage, const QString& AFileName, TWICImageFormat AImageFormat,
                                     TWICImageInterpolationMode AInterpolationMode) {
  const QString extension = Extension(AFileName);
  if (!ExtensionesAceptadas.contains(extension)) return false;
  AImage.Picture().Clear();
  // Metafiles have no decoder here.
  if (ExtensionesMetaArchivo.contains(extension) ||
      !Decodificar(AImage, [&](TWICImage& AImagen) { AImagen.LoadFromFile(AFileName); }))
    return false;
  AjustarImagen(AImage, AImageFormat, AInterpolationMode, false);
  return true;
}

bool TqovManejadorImagenes::GetImage(TImage& AImage, QIODevice& AStream, TWICImageFormat AImageFormat,
                                     TWICImageInterpolationMode AInterpolationMode, bool AForzarAjuste) {
  AImage.Picture().Clear();
  AStream.seek(0);
  if (AStream.size() == 0 || !Decodificar(AImage, [&](TWICImage& AImagen) { AImagen.LoadFromStream(AStream); }))
    return false;
  AjustarImagen(AImage, AImageFormat, AInterpolationMode, AForzarAjuste);
  return true;
}

bool TqovManejadorImagenes::GetImage(const TImage& AImgFte, TImage& AImgDest, TWICImageFormat AImageFormat,
                                     TWICImageInterpolationMode AInterpolationMode) {
  const TGraphic* fuente = AImgFte.Picture().Graphic();
  if (!fuente) {
    AImgDest.Picture().Clear();
    return false;
  }
  if (dynamic_cast<const TWICImage*>(fuente)) {
    AImgDest.Picture().Assign(*fuente);
  } else {
    TFlujoMemoria flujo;
    if (!GetStream(flujo, AImgFte) || !GetImage(AImgDest, flujo, wifOther, wipmLinear, false)) return false;
  }
  AjustarImagen(AImgDest, AImageFormat, AInterpolationMode, false);
  return true;
}

bool TqovManejadorImagenes::GetImage(TImage& AImage, const TGraphic& AGraphic, TWICImageFormat AImageFormat,
                                     TWICImageInterpolationMode AInterpolationMode) {
  TWICImage imagen;
  imagen.Assign(AGraphic);
  AImage.Picture().Assign(imagen);
  AjustarImagen(AImage, AImageFormat, AInterpolationMode, false);
  return true;
}

bool TqovManejadorImagenes::GetImage(TImage& /*AImage*/, const TMetaFile& /*AMetaFile*/,
                                     TWICImageFormat /*AImageFormat*/,
                                     TWICImageInterpolationMode /*AInterpolationMode*/) {
  return false;
}

bool TqovManejadorImagenes::GetImage(TImage& AImage, const TField& AField, TWICImageFormat AImageFormat,
                                     TWICImageInterpolationMode AInterpolationMode) {
  TFlujoMemoria flujo;
  return GetStream(flujo, AField) && GetImage(AImage, flujo, AImageFormat, AInterpolationMode, false);
}

bool TqovManejadorImagenes::GetStream(QIODevice& AStream, const TField& AField) {
  try {
    AStream.write(AField.AsBytes());
    return AStream.size() > 0;
  } catch (const Exception&) {
    return false;
  }
}

bool TqovManejadorImagenes::GetStream(QIODevice& /*AStream*/, const TMetaFile& /*AMetaFile*/) { return false; }

bool TqovManejadorImagenes::GetStream(QIODevice& AStream, const TImage& AImage) {
  const TGraphic* imagen = AImage.Picture().Graphic();
  if (!imagen) return false;
  try {
    AStream.seek(0);
    imagen->SaveToStream(AStream);
    return AStream.size() > 0;
  } catch (const Exception&) {
    return false;
  }
}

bool TqovManejadorImagenes::LoadFromResource(TImage& AImage, HMODULE AInstance, const QString& AResource,
                                             const QString& AResType, TWICImageFormat AImageFormat,
                                             TWICImageInterpolationMode AInterpolationMode, bool AForzarAjuste) {
  std::unique_ptr<TResourceStream> flujo;
  return LoadFromResource(flujo, AInstance, AResource, AResType) &&
         GetImage(AImage, *flujo, AImageFormat, AInterpolationMode, AForzarAjuste);
}

bool TqovManejadorImagenes::LoadFromResource(std::unique_ptr<TResourceStream>& AResourceStream, HMODULE AInstance,
                                             const QString& AResource, const QString& AResType) {
  AResourceStream.reset();
  if (!AInstance || !FindResource(AInstance, AResource, AResType)) return false;
  AResourceStream = std::make_unique<TResourceStream>(AInstance, AResource, AResType);
  return true;
}

bool TqovManejadorImagenes::SetField(TField& AField, const TImage& AImage) {
  TFlujoMemoria flujo;
  return GetStream(flujo, AImage) && SetField(AField, flujo);
}

bool TqovManejadorImagenes::SetField(TField& AField, QIODevice& AStream) {
  return CargarDesdeFlujo(
      AStream, [&] { AField.SetValue(AStream.readAll()); }, [&] { AField.Clear(); });
}

bool TqovManejadorImagenes::SetParam(TqovDAParam& AParam, const TImage& AImage) {
  TFlujoMemoria flujo;
  return GetStream(flujo, AImage) && SetParam(AParam, flujo);
}

bool TqovManejadorImagenes::SetParam(TqovDAParam& AParam, QIODevice& AStream) {
  return CargarDesdeFlujo(
      AStream, [&] { AParam.LoadFromStream(AStream); }, [&] { AParam.Clear(); });
}

bool TqovManejadorImagenes::SaveToFile(QIODevice& AStream, const QString& AFileName) {
  TWICImage imagen;
  try {
    AStream.seek(0);
    imagen.LoadFromStream(AStream);
    imagen.SaveToFile(AFileName);
    return true;
  } catch (const Exception&) {
    return false;
  }
}

bool TqovManejadorImagenes::SaveToFile(const TImage& AImage, const QString& AFileName) {
  const TGraphic* grafico = AImage.Picture().Graphic();
  if (!grafico) return false;
  TWICImage imagen;
  imagen.Assign(*grafico);
  try {
    imagen.SaveToFile(AFileName);
    return true;
  } catch (const Exception&) {
    return false;
  }
}
