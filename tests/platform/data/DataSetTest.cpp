#include <gtest/gtest.h>

#include "fixtures/ImprimirQt.h"
#include "platform/data/DataSet.h"
#include "platform/rtl/FormatSettings.h"

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

TEST(Registros, EveryTypeKeepsTheValueWrittenAndItsTextWhetherItFitsTheRecordOrNot) {
  const QDateTime momento(QDate(2024, 5, 10), QTime(13, 30, 5, 123));
  const struct {
    TFieldType tipo;
    int tamano;
    QVariant valor;
  } casos[] = {
      {ftString, 5, QString("Año")},
      {ftString, 5, QString("")},
      {ftString, 5, QString("más de cinco")},  // longer than its field: kept apart, whole
      {ftString, 0, QString("sin tamaño")},
      {ftFixedChar, 3, QString("AB ")},
      {ftSmallint, 0, -7},
      {ftInteger, 0, 2147483647},
      {ftLargeint, 0, qlonglong(-9000000000LL)},
      {ftBoolean, 0, true},
      {ftFloat, 0, 0.1},
      {ftBCD, 0, 1234.56},
      {ftDate, 0, QDate(1899, 12, 30)},
      {ftTime, 0, QTime(23, 59, 59, 999)},
      {ftDateTime, 0, momento},
      {ftDateTime, 0, momento.toUTC()},
      {ftMemo, 0, QString("línea 1\r\nlínea 2")},
      {ftBlob, 0, QByteArray("\x00\x01\xff", 3)},
  };
  for (const auto& caso : casos) {
    TDataSet tabla;
    tabla.FieldDefs() = {{"ID", ftInteger, 0}, {"VALOR", caso.tipo, caso.tamano}};
    tabla.Open();
    for (int id = 1; id <= 3; ++id) {
      tabla.Append();
      tabla.FieldByName("ID").SetAsInteger(id);
      tabla.FieldByName("VALOR").SetValue(id == 2 ? QVariant() : caso.valor);
      tabla.Post();
    }
    for (int fila = 0; fila < 3; ++fila) {
      const QVariant esperado = fila == 1 ? QVariant() : caso.valor;
      const QVariant leido = tabla.RowValue(fila, 1);
      EXPECT_EQ(leido.isNull(), esperado.isNull()) << caso.tipo << " " << fila;
      EXPECT_EQ(leido.metaType(), esperado.metaType()) << caso.tipo;
      EXPECT_EQ(leido, esperado) << caso.tipo;
      // The text made from the record is that of the value.
      tabla.SetRecNo(fila + 1);
      EXPECT_EQ(tabla.FieldByName("VALOR").AsString(), ValueText(esperado)) << caso.tipo;
    }
  }
}

TEST(Registros, InsertingAndDeletingInTheMiddleKeepsEveryOtherRow) {
  TDataSet tabla;
  tabla.FieldDefs() = {{"ID", ftInteger, 0}, {"NOMBRE", ftString, 4}};
  tabla.Open();
  QList<int> ids;
  const auto nombre = [](int AId) { return AId % 3 == 0 ? QString("nombre largo %1").arg(AId) : QString::number(AId); };
  for (int id = 0; id < 3000; ++id) {
    tabla.Append();
    tabla.FieldByName("ID").SetAsInteger(id);
    tabla.FieldByName("NOMBRE").SetAsString(nombre(id));
    tabla.Post();
    ids << id;
  }
  // Every other row goes, and new ones, long names among them, take the freed places.
  for (int fila = 2999; fila >= 0; fila -= 2) {
    tabla.SetRecNo(fila + 1);
    tabla.Delete();
    ids.removeAt(fila);
  }
  for (int id = 3000; id < 3600; ++id) {
    tabla.SetRecNo(id % 700 + 1);
    tabla.Insert();
    tabla.FieldByName("ID").SetAsInteger(id);
    tabla.FieldByName("NOMBRE").SetAsString(nombre(id));
    tabla.Post();
    ids.insert(id % 700, id);
  }
  ASSERT_EQ(tabla.RecordCount(), ids.size());
  for (int fila = 0; fila < ids.size(); ++fila) {
    ASSERT_EQ(tabla.RowValue(fila, 0).toInt(), ids[fila]) << fila;
    ASSERT_EQ(tabla.RowValue(fila, 1).toString(), nombre(ids[fila])) << fila;
  }
}

TEST_F(Tabla, EachRowThatChangesIsToldByItsPositionAndReadWithoutMovingTheCursor) {
  Agregar(1, "uno");
  Agregar(3, "tres");
  QStringList avisos;
  QObject::connect(&tabla, &TDataSet::RowInserted, [&avisos](int f) { avisos << QString("insertada %1").arg(f); });
  QObject::connect(&tabla, &TDataSet::RowRemoved, [&avisos](int f) { avisos << QString("quitada %1").arg(f); });
  QObject::connect(&tabla, &TDataSet::RowChanged, [&avisos](int f) { avisos << QString("cambiada %1").arg(f); });

  tabla.Last();
  tabla.Insert();
  tabla.FieldByName("NOMBRE").SetAsString("dos");
  tabla.Post();
  tabla.First();
  tabla.Edit();
  tabla.FieldByName("NOMBRE").SetAsString("UNO");
  EXPECT_EQ(tabla.RowValue(0, 1).toString(), "UNO");  // the row being edited shows its edited values
  tabla.Cancel();
  tabla.Edit();
  tabla.FieldByName("NOMBRE").SetAsString("Uno");
  tabla.Post();
  tabla.Last();
  tabla.Delete();
  EXPECT_EQ(avisos, (QStringList{"insertada 1", "cambiada 0", "quitada 2"}));

  tabla.First();
  EXPECT_EQ(tabla.RowValue(1, 1).toString(), "dos");
  EXPECT_EQ(tabla.RecNo(), 1);
  EXPECT_THROW(tabla.RowValue(2, 0), EDatabaseError);
  EXPECT_THROW(tabla.RowValue(0, 3), EDatabaseError);
}

// Records what a data link is told.
class Enlace : public TDataLink {
 public:
  QStringList eventos;

 protected:
  void ActiveChanged() override { eventos << (Active() ? "activo" : "inactivo"); }
  void DataSetChanged() override { eventos << "cambiado"; }
  void DataSetScrolled() override { eventos << "desplazado"; }
  void RecordChanged(TField* AField) override { eventos << "registro " + (AField ? AField->FieldName() : "*"); }
  void StateChanged() override { eventos << "estado " + QString::number(DataSet() ? DataSet()->State() : -1); }
  void RowInserted(int ARow) override { eventos << QString("insertada %1").arg(ARow); }
  void RowRemoved(int ARow) override { eventos << QString("quitada %1").arg(ARow); }
  void RowChanged(int ARow) override { eventos << QString("cambiada %1").arg(ARow); }
  void UpdateData() override { eventos << "escribir"; }
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
  EXPECT_EQ(enlace.eventos, (QStringList{"activo", "estado 1", "cambiado"}));
  enlace.eventos.clear();
  // A post is told row by row, never as a change of the whole data set: the controls are first asked for
  // their pending changes.
  tabla->Append();
  tabla->FieldByName("ID").SetAsInteger(7);
  tabla->Post();
  tabla->Edit();
  tabla->Post();
  tabla->First();
  tabla->Delete();
  EXPECT_EQ(enlace.eventos, (QStringList{"estado 3", "registro *", "registro ID", "escribir", "estado 1", "insertada 0",
                                         "registro *", "estado 2", "escribir", "estado 1", "cambiada 0", "registro *",
                                         "desplazado", "quitada 0", "desplazado"}));
  enlace.eventos.clear();

  // While its controls are disabled, the data source tells them nothing but the request for their pending
  // changes; enabled again, it tells a change.
  tabla->DisableControls();
  tabla->DisableControls();
  tabla->Append();
  tabla->FieldByName("ID").SetAsInteger(8);
  tabla->Post();
  tabla->EnableControls();
  EXPECT_EQ(enlace.eventos, QStringList{"escribir"});
  tabla->EnableControls();
  EXPECT_EQ(enlace.eventos, (QStringList{"escribir", "estado 1", "cambiado"}));
  tabla->EnableControls();  // more enables than disables change nothing
  EXPECT_FALSE(tabla->ControlsDisabled());
  enlace.eventos.clear();
  tabla.reset();  // a data set that goes away leaves the link inactive
  EXPECT_EQ(enlace.eventos, (QStringList{"inactivo", "estado -1", "cambiado"}));
  EXPECT_EQ(enlace.DataSet(), nullptr);
}

TEST_F(Tabla, AnAppendedRecordIsAtEofAndNotCountedUntilPosted) {
  Agregar(1, "uno");
  Agregar(2, "dos");
  tabla.First();
  tabla.Append();
  EXPECT_TRUE(tabla.Eof());
  EXPECT_EQ(tabla.RecordCount(), 2);
  EXPECT_EQ(tabla.RecNo(), 1);
  tabla.Cancel();
  EXPECT_FALSE(tabla.Eof());
  EXPECT_EQ(tabla.FieldByName("NOMBRE").AsString(), "uno");
  tabla.Append();
  tabla.FieldByName("ID").SetAsInteger(3);
  tabla.Post();
  EXPECT_EQ(tabla.RecordCount(), 3);
  EXPECT_EQ(tabla.RecNo(), 3);
}

TEST_F(Tabla, LocateFindsTheFirstMatchingRecord) {
  Agregar(1, "Uno");
  Agregar(2, "Dos");
  Agregar(3, "dos");
  const struct {
    const char* Campos;
    QVariant Valores;
    TLocateOptions Opciones;
    int RecNo;  // 0: not found
  } casos[] = {
      {"NOMBRE", "dos", {}, 3},
      {"nombre", "DOS", loCaseInsensitive, 2},
      {"NOMBRE", "Do", {}, 0},
      {"NOMBRE", "do", TLocateOptions(loCaseInsensitive) | loPartialKey, 2},
      {"ID", "2", {}, 2},
      {"ID;NOMBRE", QVariantList{3, "dos"}, {}, 3},
      {"ID;NOMBRE", QVariantList{3, "Dos"}, {}, 0},
      {"IMPORTE", QVariant(), {}, 1},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.Campos);
    tabla.Last();
    EXPECT_EQ(tabla.Locate(caso.Campos, caso.Valores, caso.Opciones), caso.RecNo != 0);
    EXPECT_EQ(tabla.RecNo(), caso.RecNo != 0 ? caso.RecNo : 3);
  }
  EXPECT_THROW(tabla.Locate("NO_HAY", 1), EDatabaseError);
  EXPECT_THROW(tabla.Locate("ID;NOMBRE", 1), EDatabaseError);
}

// A data set that cannot be modified.
class SoloLectura : public TDataSet {
 public:
  using TDataSet::TDataSet;
  bool CanModify() const override { return false; }
};

TEST(Campos, TellWhatControlsMayTypeAndChange) {
  SoloLectura lectura;
  lectura.FieldDefs() = {{"ID", ftInteger, 0}};
  lectura.Open();
  EXPECT_THROW(lectura.Edit(), EDatabaseError);
  EXPECT_THROW(lectura.Append(), EDatabaseError);
  EXPECT_FALSE(lectura.FieldByName("ID").CanModify());

  TDataSet tabla;
  tabla.FieldDefs() = {{"ENTERO", ftWord, 0}, {"REAL", ftCurrency, 0}, {"TEXTO", ftString, 10}};
  tabla.Open();
  TField& entero = tabla.FieldByName("ENTERO");
  TField& real = tabla.FieldByName("REAL");
  TField& texto = tabla.FieldByName("TEXTO");
  EXPECT_TRUE(entero.CanModify());
  entero.SetReadOnly(true);
  EXPECT_FALSE(entero.CanModify());
  EXPECT_EQ(entero.DisplayLabel(), "ENTERO");
  entero.SetDisplayLabel("Cantidad");
  EXPECT_EQ(entero.DisplayLabel(), "Cantidad");
  EXPECT_TRUE(entero.Visible());

  const QChar separador = FormatSettings.DecimalSeparator;
  for (const QChar c : {QChar('7'), QChar('-'), QChar('+')}) EXPECT_TRUE(entero.IsValidChar(c)) << c.toLatin1();
  for (const QChar c : {QChar('x'), separador, QChar('E')}) EXPECT_FALSE(entero.IsValidChar(c)) << c.toLatin1();
  for (const QChar c : {separador, QChar('E'), QChar('e')}) EXPECT_TRUE(real.IsValidChar(c)) << c.toLatin1();
  EXPECT_FALSE(real.IsValidChar('x'));
  EXPECT_TRUE(texto.IsValidChar('x'));

  QStringList cambios;
  real.OnChange = [&cambios](TField& f) { cambios << f.AsString(); };
  tabla.Append();
  entero.SetAsString("65535");
  real.SetAsString(QStringLiteral("1234") + separador + QStringLiteral("15"));
  texto.SetAsString("");
  tabla.Post();
  EXPECT_EQ(entero.AsInteger(), 65535);
  EXPECT_DOUBLE_EQ(real.AsFloat(), 1234.15);
  EXPECT_EQ(real.DisplayText(), real.AsString());
  EXPECT_FALSE(texto.IsNull());
  tabla.Edit();
  real.SetAsString("");
  EXPECT_TRUE(real.IsNull());
  EXPECT_EQ(cambios, (QStringList{QStringLiteral("1234") + separador + QStringLiteral("15"), ""}));
}

}  // namespace

TEST(Registros, AnInvalidDateOrTimeShowsNoText) {
  for (const QVariant& valor : {QVariant(QDate()), QVariant(QTime()), QVariant(QDateTime())})
    EXPECT_EQ(ValueText(valor), "") << valor.typeName();
}
