#pragma once

// The adapters' parameter collection (parameters that load from a stream) and the statement adapter without a result set.

#include <QIODevice>

#include "platform/data/Params.h"
#include "platform/fbdac/FbCommand.h"

// A statement parameter that also takes its value from a stream, as a binary large object.
class TqovDAParam : public TParam {
 public:
  using TParam::TParam;

  // Takes the whole stream, from its first byte whatever its position; the stream is left at its end.
  void LoadFromStream(QIODevice& AValue);
  // Writes the parameter's large object to the stream.
  void SaveToStream(QIODevice& AValue) const;
};

// The parameters of the suite's statements: their items are TqovDAParam.
class TqovDAParams : public TParams {
 public:
  explicit TqovDAParams(QObject* AOwner = nullptr) : TParams(AOwner) {}

  TqovDAParam& Items(int AIndex) const { return static_cast<TqovDAParam&>(TParams::Items(AIndex)); }
  TqovDAParam& Vars(int AIndex) const { return Items(AIndex); }
  void SetVars(int AIndex, const TParam& AValue) { SetItem(AIndex, AValue); }
  TqovDAParam& ByName(const QString& AName) const { return ParamByName(AName); }
  TqovDAParam& ParamByName(const QString& AValue) const {
    return static_cast<TqovDAParam&>(TParams::ParamByName(AValue));
  }
  TqovDAParam* FindParam(const QString& AValue) const { return static_cast<TqovDAParam*>(TParams::FindParam(AValue)); }

 protected:
  std::unique_ptr<TParam> CreateItem() const override { return std::make_unique<TqovDAParam>(); }
};

// The command under the suite's data sets and procedures, so that their parameters are TqovDAParam.
class TqovDASQL : public TFbCommand {
  Q_OBJECT

 public:
  explicit TqovDASQL(QObject* AOwner = nullptr) : TFbCommand(AOwner, std::make_unique<TqovDAParams>(this)) {}

  TqovDAParams& Params() const { return static_cast<TqovDAParams&>(TFbCommand::Params()); }
};
