#include <gtest/gtest.h>

#include <QPixmap>
#include <QStyle>
#include <memory>

#include "controls/AplicacionControles.h"
#include "controls/icons/ImageCollectionQov.h"
#include "controls/icons/ImgLstQov.h"
#include "controls/menus/EditPopupMenuQov.h"
#include "controls/menus/QueEsEstoPopupMenuQov.h"
#include "fixtures/ImprimirQt.h"
#include "platform/forms/Form.h"
#include "platform/forms/Screen.h"

namespace {

class ListasDeImagenes : public PruebaDeControles {};

// A form at a resolution, whatever the screen's.
std::unique_ptr<TForm> FormaA(int APpi) {
  auto forma = std::make_unique<TForm>(nullptr);
  forma->ScaleForPPI(APpi);
  return forma;
}

// The name of the collection item that a list's index draws.
QString Nombre(const TVirtualImageList& ALista, int AIndice) { return ALista.ImageCollection()->Items(AIndice).Name; }

TEST_F(ListasDeImagenes, EachFormScaleDrawsFromTheNearestSourceSize) {
  const struct {
    int Ppi;
    int Barra;    // toolbar sources: 16, 20, 24, 28
    int Edicion;  // edit-menu sources: 16 to 32
  } casos[] = {{96, 16, 16}, {120, 20, 20}, {144, 24, 24}, {168, 28, 28}, {192, 28, 32}};
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.Ppi);
    const auto forma = FormaA(caso.Ppi);
    const TqovImgLst16 barra(forma.get());
    const TqovEdtImgLst16 edicion(forma.get());
    const int lado = caso.Ppi / 6;  // 16 x the form's scale
    EXPECT_EQ(barra.SourceImage(0).width(), caso.Barra);
    EXPECT_EQ(edicion.SourceImage(0).width(), caso.Edicion);
    // The drawn image is always 16 x the scale: a source of another size is resampled to it.
    EXPECT_EQ(barra.Image(0).size(), QSize(lado, lado));
    EXPECT_EQ(edicion.Image(6).size(), QSize(lado, lado));
  }
}

TEST_F(ListasDeImagenes, ListsOfTwoFormsShareTheCollectionAndDrawAtTheirOwnScale) {
  auto chica = FormaA(96);
  const auto grande = FormaA(144);
  const auto* enChica = new TqovImgLst16(chica.get());
  const auto* enGrande = new TqovImgLst16(grande.get());
  ASSERT_EQ(enChica->ImageCollection(), ObtenerImageCollection16());
  EXPECT_EQ(enGrande->ImageCollection(), enChica->ImageCollection());

  const TImageCollectionItem& casilla = ObtenerImageCollection16()->Items(229);
  EXPECT_EQ(enChica->Image(229), casilla.SourceImages[0]);
  EXPECT_EQ(enGrande->Image(229), casilla.SourceImages[2]);

  chica.reset();  // takes its list with it
  EXPECT_EQ(ObtenerImageCollection16()->Count(), 434);
  EXPECT_EQ(enGrande->Count(), 434);
  EXPECT_EQ(enGrande->Image(229), casilla.SourceImages[2]);
}

TEST_F(ListasDeImagenes, EachListHoldsItsWholeCollectionInRegistrationOrder) {
  TForm forma(nullptr);
  const TqovImgLst16 barra(&forma);
  const TqovEdtImgLst16 edicion(&forma);
  const TqovSelImgLst16 seleccion(&forma);
  EXPECT_FALSE(barra.ImageNameAvailable());
  EXPECT_TRUE(barra.AutoFill());
  ASSERT_EQ(barra.Count(), 434);
  EXPECT_EQ(Nombre(barra, 228), QStringLiteral("CheckBoxOff"));
  EXPECT_EQ(Nombre(barra, 229), QStringLiteral("CheckBoxOn"));
  EXPECT_EQ(Nombre(barra, 254), QStringLiteral("CalcBtn"));
  // The calculator button's glyph: index 254 drawn at 16 pixels is the CalcBtn icon.
  EXPECT_EQ(barra.Image(254), ObtenerImageCollection16()->Items(254).SourceImages[0]);

  QStringList nombres;
  for (int i = 0; i < edicion.Count(); ++i) nombres << Nombre(edicion, i);
  EXPECT_EQ(nombres, (QStringList{"Deshacer", "Cortar", "Copiar", "Pegar", "Borrar", "Calc", "QueEs"}));
  EXPECT_EQ(Nombre(seleccion, 0), QStringLiteral("QueEs"));
  EXPECT_THROW(barra.Image(434), EListError);
}

TEST_F(ListasDeImagenes, TheSharedMenusShowTheEditIconsAtTheirFormsScale) {
  const auto forma = FormaA(144);
  auto* edicion = new TqovEditPopupMenu(forma.get());
  auto* ayuda = new TqovQueEsEstoPopupMenu(forma.get());
  for (TPopupMenu* menu : {static_cast<TPopupMenu*>(edicion), static_cast<TPopupMenu*>(ayuda)}) {
    ASSERT_NE(dynamic_cast<TqovEdtImgLst16*>(menu->Images()), nullptr);
    EXPECT_EQ(menu->Images()->Owner(), forma.get());
    menu->Popup(0, 0);
    for (int i = 0; i < menu->Count(); ++i) {
      const TMenuItem* item = menu->Items(i);
      SCOPED_TRACE(item->Caption().toStdString());
      EXPECT_EQ(item->icon().isNull(), item->ImageIndex() < 0);
      if (item->ImageIndex() >= 0) {
        // Both through a pixmap, which keeps its pixels premultiplied.
        EXPECT_EQ(item->icon().pixmap(QSize(24, 24)).toImage(),
                  QPixmap::fromImage(menu->Images()->Image(item->ImageIndex())).toImage());
      }
    }
    // The icons are drawn 24 pixels wide, which are 24 / (the screen's scale) of Qt's.
    EXPECT_EQ(menu->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, menu), ToQtPixels(24));
    menu->hide();
  }
}

}  // namespace
