#pragma once

// The suite's query adapter that opens a SELECT or executes any other statement.

#include "core/dataaccess/DAIBCDataSet.h"

// The suite's statement run once: a SELECT opens it, any other statement is executed. It never loads
// field defaults.
class TqovDAQuery : public TqovDADataset {
  Q_OBJECT

 public:
  explicit TqovDAQuery(QObject* AOwner = nullptr);

  void ExecQuery() { Execute(); }
  void ExecProc() { Execute(); }

  // Open() opens the query; on a const query, Open() tells whether it is open.
  using TqovDADataset::Open;
  bool Open() const { return Active(); }
};
