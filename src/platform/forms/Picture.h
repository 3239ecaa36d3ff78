#pragma once

// Graphics (a bitmap, a decoded image that keeps its format, a metafile) and the picture that holds one.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>
#include <memory>

#include "platform/rtl/Exception.h"

class QIODevice;

// A stream that holds no picture that can be read, or a picture that cannot be written.
class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};

// The encoding a decoded image is saved in; wifOther keeps the one it was decoded from.
enum TWICImageFormat { wifBmp, wifPng, wifJpeg, wifGif, wifTiff, wifWMPhoto, wifOther };
// How an image is resampled when it is drawn larger or smaller than it is.
enum TWICImageInterpolationMode {
  wipmNone,
  wipmHighQualityCubic,
  wipmFant,
  wipmCubic,
  wipmLinear,
  wipmNearestNeighbor
};

// A picture of some kind. Its pixels are the system's.
class TGraphic {
 public:
  virtual ~TGraphic() = default;

  virtual const QImage& Image() const = 0;
  bool Empty() const { return Image().isNull(); }
  int Width() const { return Image().width(); }
  int Height() const { return Image().height(); }
  // Writes the picture in its own encoding at the stream's position; raises EInvalidGraphic when it cannot.
  virtual void SaveToStream(QIODevice& AStream) const = 0;
  virtual std::unique_ptr<TGraphic> Clone() const = 0;
};

// Plain pixels; saved as a Windows bitmap.
class TBitmap : public TGraphic {
 public:
  explicit TBitmap(const QImage& AImage = {}) : FImage(AImage) {}

  const QImage& Image() const override { return FImage; }
  void SaveToStream(QIODevice& AStream) const override;
  std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TBitmap>(*this); }

 private:
  QImage FImage;
};

// A picture decoded from any format the platform reads (PNG, JPEG, BMP, ICO, GIF), which remembers the format
// to save it in and how to resample it when it is drawn.
class TWICImage : public TGraphic {
 public:
  const QImage& Image() const override { return FImage; }
  // Decodes the stream from its position. Raises EInvalidGraphic when it holds no picture that can be read
  // whole (the decoder reports an error, or a damaged or cut-short picture); the image is then left as it was.
  void LoadFromStream(QIODevice& AStream);
  // Raises EFileError when the file cannot be opened, EInvalidGraphic when it is not a regular file (a FIFO,
  // a device: never waited for) and as LoadFromStream.
  void LoadFromFile(const QString& AFileName);
  // Encoded in ImageFormat, or with wifOther in the format it was decoded from. Raises EInvalidGraphic when
  // the picture is empty or the platform has no encoder for the format.
  void SaveToStream(QIODevice& AStream) const override;
  // Raises EFileError when the file cannot be written, EInvalidGraphic as SaveToStream.
  void SaveToFile(const QString& AFileName) const;
  std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TWICImage>(*this); }
  // Takes the other graphic's picture: a decoded image whole, any other graphic's pixels as a bitmap.
  void Assign(const TGraphic& AGraphic);

  TWICImageFormat ImageFormat() const { return FImageFormat; }
  void SetImageFormat(TWICImageFormat AValue) { FImageFormat = AValue; }
  TWICImageInterpolationMode InterpolationMode() const { return FInterpolationMode; }
  void SetInterpolationMode(TWICImageInterpolationMode AValue) { FInterpolationMode = AValue; }

 private:
  QImage FImage;
  TWICImageFormat FImageFormat = wifOther;
  QByteArray FDecodedFormat;  // Qt's name of the format it was decoded from
  TWICImageInterpolationMode FInterpolationMode = wipmNone;
};

// A Windows metafile (EMF or WMF). This platform has no decoder for metafiles, so one never holds a picture.
class TMetaFile {};

// What an image control shows: one graphic, or none.
class TPicture {
 public:
  const TGraphic* Graphic() const { return FGraphic.get(); }
  bool Empty() const { return !FGraphic || FGraphic->Empty(); }
  int Width() const { return FGraphic ? FGraphic->Width() : 0; }
  int Height() const { return FGraphic ? FGraphic->Height() : 0; }
  // Holds a copy of the graphic.
  void Assign(const TGraphic& AGraphic);
  void Clear();
  // The graphic as a decoded image: any other graphic is turned into one with its picture, and a picture
  // without a graphic gets an empty one.
  TWICImage& WICImage();

  // The graphic changed.
  std::function<void()> OnChange;

 private:
  void Changed();

  std::unique_ptr<TGraphic> FGraphic;
};
