#pragma once

// The image handler: pictures moved between image controls, files, streams, data fields, query parameters,
// graphics and resources, and the dialog that opens a picture.

#include <QIODevice>
#include <QString>
#include <memory>

#include "platform/forms/Image.h"
#include "platform/forms/Picture.h"
#include "platform/rtl/ResourceModule.h"

class TComponent;
class TField;
class TqovDAParam;

// Every picture loaded into an image control is held as a decoded image (TWICImage), which keeps the format it
// is saved in; AImageFormat wifOther keeps the one it was decoded from. After each load the control stretches
// the picture when AForzarAjuste is set or the picture is larger than the control. Every operation returns
// whether it worked: a picture that cannot be read (a wrong extension, a damaged or empty file or stream, a
// metafile, which this platform cannot decode) is a failed load, never an exception. Only a picture file
// that cannot be opened raises (EFileError), as a failure of the file system.
class TqovManejadorImagenes {
 public:
  // Asks for a picture file until one loads ("El formato de la imagen es incorrecto." for one that does not) or
  // the operator cancels.
  static bool OpenImageDialog(TComponent* AOwner, const QString& ATitle, TImage& AImage, TWICImageFormat AImageFormat,
                              TWICImageInterpolationMode AInterpolationMode);
  // The same, the chosen picture written into the stream.
  static bool OpenImageDialog(TComponent* AOwner, const QString& ATitle, QIODevice& AStream,
                              TWICImageFormat AImageFormat, TWICImageInterpolationMode AInterpolationMode);

  // A file with one of the extensions .jpeg, .jpg, .bmp, .ico, .emf, .wmf, .png (in any case). Another
  // extension leaves the picture as it was; any other failure leaves it empty.
  static bool GetImage(TImage& AImage, const QString& AFileName, TWICImageFormat AImageFormat,
                       TWICImageInterpolationMode AInterpolationMode);
  // The stream's whole content; a failure leaves the picture empty.
  static bool GetImage(TImage& AImage, QIODevice& AStream, TWICImageFormat AImageFormat,
                       TWICImageInterpolationMode AInterpolationMode, bool AForzarAjuste);
  // A copy of the other control's picture; a source without one empties the destination.
  static bool GetImage(const TImage& AImgFte, TImage& AImgDest, TWICImageFormat AImageFormat,
                       TWICImageInterpolationMode AInterpolationMode);
  static bool GetImage(TImage& AImage, const TGraphic& AGraphic, TWICImageFormat AImageFormat,
                       TWICImageInterpolationMode AInterpolationMode);
  // Always false: metafiles cannot be decoded here.
  static bool GetImage(TImage& AImage, const TMetaFile& AMetaFile, TWICImageFormat AImageFormat,
                       TWICImageInterpolationMode AInterpolationMode);
  // The field's bytes.
  static bool GetImage(TImage& AImage, const TField& AField, TWICImageFormat AImageFormat,
                       TWICImageInterpolationMode AInterpolationMode);

  // Writes the field's bytes at the stream's position; true when the stream then holds any.
  static bool GetStream(QIODevice& AStream, const TField& AField);
  // Always false: metafiles cannot be decoded here.
  static bool GetStream(QIODevice& AStream, const TMetaFile& AMetaFile);
  // Writes the picture, in its own format, from the stream's start; true when the stream then holds any.
  static bool GetStream(QIODevice& AStream, const TImage& AImage);

  // Loads the module's resource into the control; a missing resource leaves the picture as it was.
  static bool LoadFromResource(TImage& AImage, HMODULE AInstance, const QString& AResource, const QString& AResType,
                               TWICImageFormat AImageFormat, TWICImageInterpolationMode AInterpolationMode,
                               bool AForzarAjuste);
  // A read stream over the module's resource, which the caller owns; empty when there is no such resource.
  static bool LoadFromResource(std::unique_ptr<TResourceStream>& AResourceStream, HMODULE AInstance,
                               const QString& AResource, const QString& AResType);

  // Writes the picture (or the stream's content) into the field, which must be in edit or insert state; an
  // empty stream makes the field null.
  static bool SetField(TField& AField, const TImage& AImage);
  static bool SetField(TField& AField, QIODevice& AStream);
  // Writes the picture (or the stream's content) into the parameter; an empty stream makes it null.
  static bool SetParam(TqovDAParam& AParam, const TImage& AImage);
  static bool SetParam(TqovDAParam& AParam, QIODevice& AStream);

  // Saves the stream's picture, or the control's, to the file in the picture's format.
  static bool SaveToFile(QIODevice& AStream, const QString& AFileName);
  static bool SaveToFile(const TImage& AImage, const QString& AFileName);

 private:
  static void AjustarImagen(TImage& AImage, TWICImageFormat AImageFormat, TWICImageInterpolationMode AInterpolationMode,
                            bool AForzarAjuste);
};
