#include "platform/forms/VirtualImageList.h"

#include <QPixmap>
#include <cstdlib>

#include "platform/forms/Form.h"
#include "platform/forms/ImageCollection.h"
#include "platform/forms/Screen.h"

TVirtualImageList::TVirtualImageList(TComponent* AOwner) : QObject(), TComponent(this, AOwner) {}

int TVirtualImageList::Count() const { return FAutoFill && FImageCollection ? FImageCollection->Count() : 0; }

int TVirtualImageList::CurrentPPI() const {
  if (!FScaled) return 96;
  const TForm* forma = OwnerForm(this);
  return forma ? forma->CurrentPPI() : Screen.PixelsPerInch();
}

QSize TVirtualImageList::DrawSize() const {
  const int ppi = CurrentPPI();
  return {MulDiv(FWidth, ppi, 96), MulDiv(FHeight, ppi, 96)};
}

const QImage& TVirtualImageList::SourceImage(int AIndex) const {
  if (AIndex < 0 || AIndex >= Count())
    throw EListError(QStringLiteral("Índice de lista fuera de límites (%1)").arg(AIndex));
  const QList<QImage>& fuentes = FImageCollection->Items(AIndex).SourceImages;
  const int ancho = DrawSize().width();
  const QImage* mejor = &fuentes.front();
  for (const QImage& fuente : fuentes) {
    const int distancia = std::abs(fuente.width() - ancho);
    const int mejorDistancia = std::abs(mejor->width() - ancho);
    if (distancia < mejorDistancia || (distancia == mejorDistancia && fuente.width() > mejor->width())) mejor = &fuente;
  }
  return *mejor;
}

QImage TVirtualImageList::Image(int AIndex) const {
  const QImage& fuente = SourceImage(AIndex);
  const QSize tamaño = DrawSize();
  return fuente.size() == tamaño ? fuente : fuente.scaled(tamaño, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QIcon TVirtualImageList::Icon(int AIndex) const {
  if (AIndex < 0 || AIndex >= Count()) return {};
  const QPixmap imagen = QPixmap::fromImage(Image(AIndex));
  QIcon icono(imagen);
  if (FDisabledGrayscale) return icono;
  const int inhabilitada = FImageCollection->GetIndexByName(FImageCollection->Items(AIndex).Name + FDisabledSuffix);
  icono.addPixmap(inhabilitada < 0 ? imagen : QPixmap::fromImage(Image(inhabilitada)), QIcon::Disabled);
  return icono;
}
