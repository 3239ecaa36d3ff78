#pragma once

// The suite's query adapter: a Firebird data set with parameters, field lookup and default values.

#include <memory>

#include "core/dataaccess/DAIBCDatabase.h"
#include "core/dataaccess/DAIBCParams.h"
#include "core/dataaccess/ParametrosCapturaQov.h"
#include "platform/fbdac/FbQuery.h"

class TqovDADataset;

// The data-set options of the suite.
class TqovDADatasetOptions : public TFbDataSetOptions {
 public:
  TqovDADatasetOptions();
};

// Keeps the column defaults of a data set's SELECT across its closes and opens, so that the server is
// asked for them only on the first open of each SELECT text.
class TqovDADefaultValuesBuffer {
 public:
  explicit TqovDADefaultValuesBuffer(TqovDADataset& ADataset) : FDataset(ADataset) {}

  bool DefaultsGuardados() const { return FDefaultsGuardados; }
  // Before close: keeps the fields' defaults, once for each SELECT text.
  void GuardaDefaults();
  // After open: gives the fields the kept defaults.
  void LoadDefaults();
  // Before open: lets the server be asked only when the SELECT text changed.
  void CheckLoadDefaults();

 private:
  TqovDADataset& FDataset;
  TqovParametrosCaptura FParametros;
  QStringList FSelectSQL;
  bool FDefaultsGuardados = false;
};

// The suite's data set over a SELECT, with its parameters as TqovDAParam and the defaults cache.
class TqovDADataset : public TFbQuery {
  Q_OBJECT

 public:
  explicit TqovDADataset(QObject* AOwner = nullptr);
  ~TqovDADataset() override;

  TqovDADatabase* Database() const { return qobject_cast<TqovDADatabase*>(Connection()); }
  void SetDatabase(TqovDADatabase* AValue) { SetConnection(AValue); }
  TStrings& SelectSQL() const { return SQL(); }
  TStrings& UpdateSQL() { return SQLUpdate; }
  TStrings& DeleteSQL() { return SQLDelete; }
  TStrings& InsertSQL() { return SQLInsert; }
  TStrings& RefreshSQL() { return SQLRefresh; }
  TqovDAParams& Params() const { return static_cast<TqovDAParams&>(TFbQuery::Params()); }
  TqovDATransaction* Transaction() const { return qobject_cast<TqovDATransaction*>(TFbQuery::Transaction()); }
  void SetTransaction(TqovDATransaction* AValue) { TFbQuery::SetTransaction(AValue); }
  TqovDATransaction* UpdateTransaction() const {
    return qobject_cast<TqovDATransaction*>(TFbQuery::UpdateTransaction());
  }
  void SetUpdateTransaction(TqovDATransaction* AValue) { TFbQuery::SetUpdateTransaction(AValue); }
  TDataSource* DataSource() const { return MasterSource(); }
  void SetDataSource(TDataSource* AValue) { SetMasterSource(AValue); }
  TqovDADatasetOptions& Options() const { return static_cast<TqovDADatasetOptions&>(TFbQuery::Options()); }

  // Re-read the posted record with RefreshSQL.
  bool RefreshAfterPost = true;
  // Call OnFilterRecord after every scroll.
  bool LegacyFilterRecord = true;
  // Keep and restore the field defaults through the cache.
  bool DefaultValuesQov = true;

  // The field's position, or -1.
  int FieldIndex(const QString& FieldName) const;
  // True, with the field's position in AFieldIndex, when there is such a field; AFieldIndex stays
  // otherwise.
  bool FieldExist(const QString& FieldName, int& AFieldIndex) const;
  TqovDAParam& ParamByName(const QString& Value) const { return Params().ParamByName(Value); }
  TqovDAParam* FindParam(const QString& Value) const { return Params().FindParam(Value); }
  void SetParamValue(int ParamIndex, const QVariant& aValue) { Params().Items(ParamIndex).SetValue(aValue); }
  void RecordModified(bool AValue) { SetModified(AValue); }

 protected:
  void DoAfterOpen() override;
  void DoAfterPost() override;
  void DoAfterScroll() override;
  void DoBeforeClose() override;
  void DoBeforeOpen() override;

 private:
  std::unique_ptr<TqovDADefaultValuesBuffer> FDefaultValuesBuffer;
};
