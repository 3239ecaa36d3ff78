#include <gtest/gtest.h>

#include "fixtures/ImprimirQt.h"
#include "platform/data/DataSet.h"

namespace {

// A table in memory with an integer key, a name and an amount.
class Tabla : public ::testing::Test {
 protected:
  void SetUp() override {
    tabla.FieldDefs() = {{"ID", ftInteger, 0}, {"NOMBRE", ftString, 30}, {"IMPORTE", ftFloat, 0}};
    tabla.AfterScroll = [this](TDataSet& d) { desplazamientos << d.FieldByName("ID").AsInteger(); };
    tabla.Open();
  }

  void Agregar(int AId, const QString& ANombre) {
    tabla.Append();
    tabla.FieldByName("ID").SetAsInteger(AId);
    tabla.FieldByName("NOMBRE").SetAsString(ANombre);
    tabla.Post();
  }

  QStringList Nombres() {
    QStringList nombres;
    for (tabla.First(); !tabla.Eof(); tabla.Next()) nombres << tabla.FieldByName("NOMBRE").AsString();
    return nombres;
  }

  TDataSet tabla;
  QList<int> desplazamientos;
};

TEST_F(Tabla, OpensEmptyWithTheDefinedFields) {
  EXPECT_TRUE(tabla.Active());
  EXPECT_EQ(tabla.State(), dsBrowse);
  EXPECT_EQ(tabla.FieldCount(), 3);
  EXPECT_EQ(tabla.FieldByName("nombre").Index(), 1);
  EXPECT_EQ(tabla.FindField("NO_HAY"), nullptr);
  EXPECT_THROW(tabla.FieldByName("NO_HAY"), EDatabaseError);
  EXPECT_TRUE(tabla.Bof());
  EXPECT_TRUE(tabla.Eof());
  EXPECT_EQ(tabla.RecordCount(), 0);
  EXPECT_EQ(tabla.RecNo(), 0);
  EXPECT_TRUE(tabla.FieldByName("ID").IsNull());
  EXPECT_TRUE(desplazamientos.isEmpty());
}

TEST_F(Tabla, NavigatesTheRecordsInOrder) {
  Agregar(1, "uno");
  Agregar(2, "dos");
  Agregar(3, "tres");
  EXPECT_EQ(Nombres(), (QStringList{"uno", "dos", "tres"}));
  EXPECT_TRUE(tabla.Eof());
  EXPECT_EQ(tabla.RecNo(), 3);
  desplazamientos.clear();
  tabla.Prior();
  tabla.Prior();
  tabla.Prior();  // already at the first record: Bof, and the scroll point still runs
  EXPECT_TRUE(tabla.Bof());
  EXPECT_EQ(tabla.RecNo(), 1);
  EXPECT_EQ(desplazamientos, (QList<int>{2, 1, 1}));
  tabla.Prior();  // at Bof nothing moves and nothing runs
  EXPECT_EQ(desplazamientos.size(), 3);
  tabla.SetRecNo(3);
  EXPECT_EQ(tabla.FieldByName("NOMBRE").AsString(), "tres");
  EXPECT_EQ(tabla.MoveBy(-5), -2);
  EXPECT_TRUE(tabla.Bof());
}

TEST_F(Tabla, EditPostAndCancel) {
  Agregar(1, "uno");
  EXPECT_THROW(tabla.FieldByName("NOMBRE").SetAsString("x"), EDatabaseError);
  tabla.Edit();
  tabla.FieldByName("NOMBRE").SetAsString("otro");
  EXPECT_TRUE(tabla.Modified());
  tabla.Cancel();
  EXPECT_EQ(tabla.FieldByName("NOMBRE").AsString(), "uno");
  EXPECT_FALSE(tabla.Modified());
  tabla.Edit();
  tabla.FieldByName("IMPORTE").SetAsString("12.5");
  tabla.Post();
  EXPECT_EQ(tabla.State(), dsBrowse);
  EXPECT_DOUBLE_EQ(tabla.FieldByName("IMPORTE").AsFloat(), 12.5);
  tabla.Edit();
  EXPECT_THROW(tabla.FieldByName("ID").SetAsString("doce"), EDatabaseError);
  tabla.Cancel();
  EXPECT_THROW(tabla.Post(), EDatabaseError);
}

TEST_F(Tabla, InsertGoesBeforeTheCurrentRecordAndTakesLiteralDefaults) {
  Agregar(1, "uno");
  Agregar(3, "tres");
  tabla.FieldByName("NOMBRE").SetDefaultExpression("'sin ''nombre'''");
  tabla.FieldByName("IMPORTE").SetDefaultExpression("0.5");
  tabla.FieldByName("ID").SetDefaultExpression("CURRENT_DATE");  // not a literal: no value
  tabla.Last();
  tabla.Insert();
  EXPECT_EQ(tabla.FieldByName("NOMBRE").AsString(), "sin 'nombre'");
  EXPECT_DOUBLE_EQ(tabla.FieldByName("IMPORTE").AsFloat(), 0.5);
  EXPECT_TRUE(tabla.FieldByName("ID").IsNull());
  tabla.FieldByName("NOMBRE").SetAsString("dos");
  tabla.Post();
  EXPECT_EQ(tabla.RecNo(), 2);
  EXPECT_EQ(Nombres(), (QStringList{"uno", "dos", "tres"}));
}

TEST_F(Tabla, DeleteLeavesTheNextRecordCurrent) {
  EXPECT_THROW(tabla.Delete(), EDatabaseError);
  Agregar(1, "uno");
  Agregar(2, "dos");
  tabla.First();
  tabla.Delete();
  EXPECT_EQ(tabla.FieldByName("NOMBRE").AsString(), "dos");
  tabla.Delete();
  EXPECT_TRUE(tabla.IsEmpty());
  EXPECT_TRUE(tabla.Eof());
}

TEST_F(Tabla, CloseForgetsTheRowsAndTheFields) {
  Agregar(1, "uno");
  tabla.Close();
  EXPECT_EQ(tabla.FieldCount(), 0);
  EXPECT_EQ(tabla.RecordCount(), 0);
  EXPECT_THROW(tabla.First(), EDatabaseError);
  tabla.Open();
  EXPECT_EQ(tabla.FieldCount(), 3);
  EXPECT_TRUE(tabla.IsEmpty());
}

// Records what a data link is told.
class Enlace : public TDataLink {
 public:
  QStringList eventos;

 protected:
  void ActiveChanged() override { eventos << (Active() ? "activo" : "inactivo"); }
  void DataSetScrolled() override { eventos << "desplazado"; }
  void RecordChanged(TField* AField) override { eventos << "registro " + (AField ? AField->FieldName() : "*"); }
  void StateChanged() override { eventos << "estado " + QString::number(DataSet() ? DataSet()->State() : -1); }
};

TEST(DataLink, FollowsTheDataSetThroughItsSource) {
  auto tabla = std::make_unique<TDataSet>();
  tabla->FieldDefs() = {{"ID", ftInteger, 0}};
  TDataSource fuente;
  fuente.SetDataSet(tabla.get());
  Enlace enlace;
  enlace.SetDataSource(&fuente);
  EXPECT_FALSE(enlace.Active());
  enlace.eventos.clear();

  tabla->Open();
  tabla->Append();
  tabla->FieldByName("ID").SetAsInteger(7);
  tabla->Post();
  tabla->First();
  EXPECT_EQ(enlace.eventos,
            (QStringList{"activo", "estado 1", "estado 3", "registro *", "registro ID", "estado 1", "desplazado"}));
  enlace.eventos.clear();
  tabla.reset();  // a data set that goes away leaves the link inactive
  EXPECT_EQ(enlace.eventos, (QStringList{"inactivo", "estado -1"}));
  EXPECT_EQ(enlace.DataSet(), nullptr);
}

}  // namespace
