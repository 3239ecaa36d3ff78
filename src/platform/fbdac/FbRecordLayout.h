#pragma once

// The record layout of a Firebird data set: the output message of its statement.

#include <QVector>

#include "platform/data/DataSet.h"
#include "platform/data/RecordLayout.h"
#include "platform/fbclient/FbValues.h"

// Records that are copies of a statement's output message, so that a fetched row is stored by copying it
// whole; each value is converted when it is read. A blob's field holds the blob's id until its content
// is read.
class TFbRecordLayout : public TRecordLayout {
 public:
  // The statement's outputs, the size of its message and the types of the fields they give.
  TFbRecordLayout(const QVector<TFbColumn>& AColumns, int AMessageSize, const QVector<TFieldType>& ATypes);

  const TFbColumn& Column(int AField) const { return FColumns[AField]; }

  QVariant Read(int AField, const char* AData) const override;
  QString Text(int AField, const char* AData) const override;
  bool Write(int AField, char* AData, const QVariant& AValue) const override;

 private:
  QVector<TFbColumn> FColumns;
  QVector<TFieldType> FTypes;
};

// A value read from the server as a field of that type keeps it: a fixed-length text loses its trailing
// blanks.
QVariant ValorDeCampo(TFieldType AType, const QVariant& AValue);
