#include <gtest/gtest.h>

#include "fixtures/ImprimirQt.h"
#include "platform/data/ClientDataSet.h"

namespace {

// An open source of two rows, with a provider over it.
class ClientDataSetConProveedor : public ::testing::Test {
 protected:
  void SetUp() override {
    origen.FieldDefs() = {{"ID", ftInteger, 0}, {"NOMBRE", ftString, 30}};
    origen.Open();
    Agregar(1, "Uno");
    Agregar(2, QString());
    proveedor.SetDataSet(&origen);
    proveedor.SetName("DataSetProviderName");
  }

  void Agregar(int AId, const QString& ANombre) {
    origen.Append();
    origen.FieldByName("ID").SetAsInteger(AId);
    origen.FieldByName("NOMBRE").SetValue(ANombre.isNull() ? QVariant() : QVariant(ANombre));
    origen.Post();
  }

  TDataSet origen;
  TDataSetProvider proveedor;
  TClientDataSet cliente;
};

TEST_F(ClientDataSetConProveedor, OpeningTakesTheFieldsAndEveryRowWhichStayAfterTheProviderGoes) {
  origen.Last();
  cliente.SetProvider(&proveedor);
  EXPECT_EQ(cliente.ProviderName(), "DataSetProviderName");
  cliente.Open();
  ASSERT_EQ(cliente.FieldCount(), 2);
  EXPECT_EQ(cliente.Field(1).FieldName(), "NOMBRE");
  EXPECT_EQ(cliente.Field(1).DataType(), ftString);
  EXPECT_EQ(cliente.Field(1).Size(), 30);
  ASSERT_EQ(cliente.RecordCount(), 2);  // from the first row, wherever the source stood
  EXPECT_EQ(cliente.RecNo(), 1);
  EXPECT_EQ(cliente.FieldByName("NOMBRE").AsString(), "Uno");
  cliente.Next();
  EXPECT_EQ(cliente.FieldByName("ID").AsInteger(), 2);
  EXPECT_TRUE(cliente.FieldByName("NOMBRE").IsNull());

  // Its own name keeps the provider; any other detaches it, and the rows stay.
  cliente.SetProviderName("DataSetProviderName");
  EXPECT_EQ(cliente.Provider(), &proveedor);
  cliente.SetProviderName(QString());
  EXPECT_EQ(cliente.Provider(), nullptr);
  origen.Close();
  EXPECT_TRUE(cliente.Active());
  EXPECT_EQ(cliente.RecordCount(), 2);

  // The rows are the client's own to edit.
  cliente.First();
  cliente.Edit();
  cliente.FieldByName("NOMBRE").SetAsString("Cambiado");
  cliente.Post();
  EXPECT_EQ(cliente.FieldByName("NOMBRE").AsString(), "Cambiado");
}

TEST_F(ClientDataSetConProveedor, EitherSideChangesOnlyItsOwnRows) {
  cliente.SetProvider(&proveedor);
  cliente.Open();
  cliente.Edit();
  cliente.FieldByName("NOMBRE").SetAsString("Del cliente");
  cliente.Post();
  origen.Last();
  origen.Delete();
  Agregar(3, "Tres");

  EXPECT_EQ(origen.RecordCount(), 2);
  EXPECT_EQ(origen.RowValue(0, 1).toString(), "Uno");
  EXPECT_EQ(origen.RowValue(1, 0).toInt(), 3);
  ASSERT_EQ(cliente.RecordCount(), 2);
  EXPECT_EQ(cliente.RowValue(0, 1).toString(), "Del cliente");
  EXPECT_EQ(cliente.RowValue(1, 0).toInt(), 2);
}

TEST_F(ClientDataSetConProveedor, OpeningAgainTakesTheRowsTheSourceHasThen) {
  cliente.SetProvider(&proveedor);
  cliente.Open();
  cliente.Close();
  Agregar(3, "Tres");
  cliente.Open();
  EXPECT_EQ(cliente.RecordCount(), 3);
}

TEST_F(ClientDataSetConProveedor, AClosedSourceOrNoneLeavesTheClientClosed) {
  origen.Close();
  cliente.SetProvider(&proveedor);
  EXPECT_THROW(cliente.Open(), EDatabaseError);
  EXPECT_FALSE(cliente.Active());

  TDataSetProvider sinOrigen;
  cliente.SetProvider(&sinOrigen);
  EXPECT_THROW(cliente.Open(), EDatabaseError);
  EXPECT_FALSE(cliente.Active());
}

}  // namespace
