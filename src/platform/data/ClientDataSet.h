#pragma once

// A client data set that holds the rows a provider hands over from another data set.

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>
#include <vector>

#include "platform/data/DataSet.h"
#include "platform/data/RecordStore.h"

// What a provider hands over: the fields and every row of its data set.
struct TDataPacket {
  std::vector<TFieldDef> FieldDefs;
  std::shared_ptr<TRecordStore> Records;
};

// Hands the rows of an open data set to client data sets.
class TDataSetProvider : public QObject {
  Q_OBJECT

 public:
  explicit TDataSetProvider(QObject* AOwner = nullptr) : QObject(AOwner) {}

  TDataSet* DataSet() const { return FDataSet; }
  void SetDataSet(TDataSet* AValue) { FDataSet = AValue; }
  QString Name() const { return objectName(); }
  void SetName(const QString& AValue) { setObjectName(AValue); }

  // The fields and all the rows of DataSet, whatever its current record. The rows are not copied: the
  // client shares them until one side changes them, so that a data set closed once its rows are handed
  // over leaves them held once. Raises EDatabaseError without a data set or when it is closed.
  TDataPacket GetRecords();

 private:
  QPointer<TDataSet> FDataSet;
};

// A data set in memory that, when it opens with a provider, takes all the provider's rows; without one it
// is a table of its FieldDefs. Its rows stay in memory, whatever becomes of the provider and its data set
// afterwards.
class TClientDataSet : public TDataSet {
  Q_OBJECT

 public:
  using TDataSet::TDataSet;

  // Attaches the provider directly; ProviderName becomes its name.
  void SetProvider(TDataSetProvider* AValue);
  const QString& ProviderName() const { return FProviderName; }
  // A name other than the attached provider's (the empty one included) detaches it.
  void SetProviderName(const QString& AValue);
  TDataSetProvider* Provider() const { return FProvider; }

 protected:
  void InternalOpen() override;

 private:
  QPointer<TDataSetProvider> FProvider;
  QString FProviderName;
};
