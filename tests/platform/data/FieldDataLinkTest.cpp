#include <gtest/gtest.h>

#include "fixtures/ImprimirQt.h"
#include "platform/data/FieldDataLink.h"

namespace {

// A link to the NOMBRE field of a table with two records, whose control is an edited text.
class EnlaceCampo : public ::testing::Test {
 protected:
  void SetUp() override {
    tabla.FieldDefs() = {{"ID", ftInteger, 0}, {"NOMBRE", ftString, 20}};
    tabla.Open();
    for (const auto& [id, nombre] : {std::pair{1, "uno"}, std::pair{2, "dos"}}) {
      tabla.Append();
      tabla.FieldByName("ID").SetAsInteger(id);
      tabla.FieldByName("NOMBRE").SetAsString(nombre);
      tabla.Post();
    }
    tabla.First();
    fuente.SetDataSet(&tabla);
    enlace.OnDataChange = [this] {
      texto = enlace.Field() ? enlace.Field()->AsString() : QStringLiteral("-");
      avisos << "dato " + texto;
    };
    enlace.OnEditingChange = [this] { avisos << (enlace.Editing() ? "editando" : "no editando"); };
    enlace.OnUpdateData = [this] {
      avisos << "escribir " + texto;
      enlace.Field()->SetAsString(texto);
    };
    enlace.SetDataSource(&fuente);
    enlace.SetFieldName("NOMBRE");
  }

  // The operator types into the control.
  void Teclear(const QString& ATexto) {
    enlace.Edit();
    texto = ATexto;
    enlace.Modified();
  }

  TDataSet tabla;
  TDataSource fuente;
  TFieldDataLink enlace;
  QString texto;
  QStringList avisos;
};

TEST_F(EnlaceCampo, TheControlFollowsItsFieldAndTheCursor) {
  EXPECT_EQ(texto, "uno");
  avisos.clear();
  tabla.Next();
  tabla.Edit();
  tabla.FieldByName("ID").SetAsInteger(5);  // another field: nothing to show
  tabla.FieldByName("NOMBRE").SetAsString("otro");
  tabla.Cancel();
  EXPECT_EQ(avisos, (QStringList{"dato dos", "editando", "dato otro", "no editando", "dato dos"}));

  // Closed, the link has no field; opened again, it finds the new one.
  tabla.Close();
  EXPECT_EQ(enlace.Field(), nullptr);
  EXPECT_EQ(texto, "-");
  tabla.Open();
  ASSERT_NE(enlace.Field(), nullptr);
  EXPECT_EQ(enlace.Field(), tabla.FindField("NOMBRE"));
  EXPECT_EQ(texto, "");
}

TEST_F(EnlaceCampo, ATypedChangeIsWrittenBeforeThePost) {
  avisos.clear();
  Teclear("UNO");
  EXPECT_EQ(tabla.State(), dsEdit);
  tabla.Post();
  EXPECT_EQ(tabla.FieldByName("NOMBRE").AsString(), "UNO");
  EXPECT_EQ(avisos, (QStringList{"editando", "escribir UNO", "no editando", "dato UNO"}));
  EXPECT_FALSE(enlace.IsModified());

  // A change that could not start editing is dropped, and the field's value shows again.
  fuente.SetAutoEdit(false);
  avisos.clear();
  Teclear("nada");
  EXPECT_EQ(tabla.State(), dsBrowse);
  enlace.UpdateRecord();
  EXPECT_EQ(texto, "UNO");
  EXPECT_EQ(avisos, QStringList{"dato UNO"});

  // A change the field refuses stops the post and stays pending.
  fuente.SetAutoEdit(true);
  enlace.SetFieldName("ID");
  Teclear("doce");
  EXPECT_THROW(tabla.Post(), EDatabaseError);
  EXPECT_EQ(tabla.State(), dsEdit);
  EXPECT_TRUE(enlace.IsModified());
  Teclear("12");
  tabla.Post();
  EXPECT_EQ(tabla.FieldByName("ID").AsInteger(), 12);
}

TEST_F(EnlaceCampo, NoEditingWhereTheFieldCannotBeChanged) {
  struct Caso {
    const char* Nombre;
    std::function<void()> Preparar;
  } casos[] = {
      {"the link is read-only", [this] { enlace.SetReadOnly(true); }},
      {"the field is read-only", [this] { tabla.FieldByName("NOMBRE").SetReadOnly(true); }},
      {"no such field", [this] { enlace.SetFieldName("OTRO"); }},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.Nombre);
    caso.Preparar();
    EXPECT_FALSE(enlace.CanModify());
    EXPECT_FALSE(enlace.Edit());
    EXPECT_EQ(tabla.State(), dsBrowse);
    // Another control editing the record does not make this one editing.
    tabla.Edit();
    EXPECT_FALSE(enlace.Editing());
    tabla.Cancel();
    enlace.SetReadOnly(false);
    tabla.FieldByName("NOMBRE").SetReadOnly(false);
    enlace.SetFieldName("NOMBRE");
  }
  EXPECT_TRUE(enlace.Edit());
}

}  // namespace
