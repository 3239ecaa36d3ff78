#include <gtest/gtest.h>

#include "fixtures/AplicacionDePrueba.h"
#include "fixtures/ImprimirQt.h"
#include "fixtures/MensajeDeError.h"
#include "platform/forms/Edit.h"
#include "platform/forms/Form.h"
#include "platform/forms/Menus.h"
#include "platform/forms/Properties.h"

namespace {

class Propiedades : public PruebaDeVentanas {
 protected:
  TForm forma{nullptr};
};

TEST_F(Propiedades, PublishedPropertiesAreReadAndWrittenByName) {
  TEdit edicion(&forma);
  EXPECT_TRUE(IsPublishedProp(edicion, "ReadOnly"));
  EXPECT_FALSE(GetPropValue(edicion, "ReadOnly").toBool());
  SetPropValue(edicion, "ReadOnly", true);
  EXPECT_TRUE(edicion.ReadOnly());
  SetPropValue(edicion, "HelpContext", 1107);
  EXPECT_EQ(edicion.HelpContext(), 1107);
}

TEST_F(Propiedades, AnUnpublishedPropertyRaises) {
  TEdit edicion(&forma);
  // Qt's own "readOnly" is not the platform's "ReadOnly"; neither read nor write adds a property.
  EXPECT_FALSE(IsPublishedProp(edicion, "NoEditable"));
  EXPECT_EQ(MensajeDeError<EPropertyError>([&] { GetPropValue(edicion, "NoEditable"); }),
            QStringLiteral("Property NoEditable does not exist"));
  EXPECT_THROW(SetPropValue(edicion, "NoEditable", true), EPropertyError);
  EXPECT_THROW(SetObjectProp(edicion, "Menu", nullptr), EPropertyError);
  EXPECT_FALSE(IsPublishedProp(edicion, "NoEditable"));
}

TEST_F(Propiedades, AnObjectPropertyTakesOnlyItsClass) {
  TEdit edicion(&forma);
  TPopupMenu menu(&forma);
  EXPECT_EQ(GetObjectPropClass(edicion, "PopupMenu"), &TPopupMenu::staticMetaObject);
  EXPECT_EQ(GetObjectPropClass(edicion, "ReadOnly"), nullptr);

  SetObjectProp(edicion, "PopupMenu", &menu);
  EXPECT_EQ(edicion.PopupMenu(), &menu);
  EXPECT_EQ(GetObjectProp(edicion, "PopupMenu"), &menu);

  TEdit otraEdicion(&forma);  // not a popup menu: the property keeps its menu
  SetObjectProp(edicion, "PopupMenu", &otraEdicion);
  EXPECT_EQ(edicion.PopupMenu(), &menu);

  SetObjectProp(edicion, "PopupMenu", nullptr);
  EXPECT_EQ(edicion.PopupMenu(), nullptr);
}

}  // namespace
