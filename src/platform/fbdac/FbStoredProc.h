#pragma once

// The data-access component for a stored procedure.

#include "platform/fbdac/FbQuery.h"

// A stored procedure run with EXECUTE PROCEDURE. Preparing it with DescribeParams asks the server for its
// parameters: the inputs in order, then the outputs, which hold the procedure's results after ExecProc.
class TFbStoredProc : public TFbQuery {
  Q_OBJECT

 public:
  explicit TFbStoredProc(QObject* AOwner = nullptr, std::unique_ptr<TFbCommand> ACommand = nullptr,
                         std::unique_ptr<TFbDataSetOptions> AOptions = nullptr);

  const QString& StoredProcName() const { return FStoredProcName; }
  void SetStoredProcName(const QString& AValue);

  bool Prepared() const { return FPrepared; }
  void Prepare();
  void Unprepare();
  // Runs the procedure with its input parameters and fills its output parameters.
  void Execute() override;
  void ExecProc() { Execute(); }
  // The output parameters, in order.
  QVector<TParam*> Salidas() const;

 private:
  void DescribirParametros();

  QString FStoredProcName;
  bool FPrepared = false;
};
