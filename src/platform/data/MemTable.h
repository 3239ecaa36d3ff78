#pragma once

// An in-memory table over the data-set framework.

#include "platform/data/DataSet.h"

// A table kept in memory only: its fields are the FieldDefs given by code.
class TMemTable : public TDataSet {
  Q_OBJECT

 public:
  using TDataSet::TDataSet;

  // Drops every record; an open table stays open.
  void EmptyTable() { EmptyRows(); }
};
