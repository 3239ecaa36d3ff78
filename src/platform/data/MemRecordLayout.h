#pragma once

// The record layout of a data set whose rows are made in memory, from its field definitions.

#include <vector>

#include "platform/data/DataSet.h"
#include "platform/data/RecordLayout.h"

// Records of values in their native form: numbers, dates and times as integers and doubles, a text of a
// field with a size as UTF-16 within that size. Memos, blobs and texts of fields without a size are kept
// apart.
class TMemRecordLayout : public TRecordLayout {
 public:
  explicit TMemRecordLayout(const std::vector<TFieldDef>& AFieldDefs);

  QVariant Read(int AField, const char* AData) const override;
  QString Text(int AField, const char* AData) const override;
  bool Write(int AField, char* AData, const QVariant& AValue) const override;

 private:
  struct Campo {
    TFieldType Tipo;
    int Caracteres;  // of a text kept inline; 0 for one kept apart
  };
  std::vector<Campo> FCampos;
};
