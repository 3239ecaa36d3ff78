#pragma once

// Statement parameters: named values passed to and returned by statements.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

#include "platform/data/DataSet.h"

enum TParamType { ptUnknown, ptInput, ptOutput, ptInputOutput, ptResult };

// A named value passed to or returned by a statement. NULL is a null QVariant.
class TParam {
 public:
  explicit TParam(const QString& AName = {}, TParamType AParamType = ptInput);
  virtual ~TParam() = default;

  const QString& Name() const { return FName; }
  void SetName(const QString& AValue) { FName = AValue; }
  TParamType ParamType() const { return FParamType; }
  void SetParamType(TParamType AValue) { FParamType = AValue; }
  TFieldType DataType() const { return FDataType; }
  void SetDataType(TFieldType AValue) { FDataType = AValue; }

  const QVariant& Value() const { return FValue; }
  void SetValue(const QVariant& AValue);
  bool IsNull() const { return FValue.isNull(); }
  void Clear() { FValue = QVariant(); }

  QString AsString() const;
  void SetAsString(const QString& AValue) { Asignar(ftString, AValue); }
  int AsInteger() const { return static_cast<int>(AsLargeInt()); }
  void SetAsInteger(int AValue) { Asignar(ftInteger, AValue); }
  qint64 AsLargeInt() const;
  void SetAsLargeInt(qint64 AValue) { Asignar(ftLargeint, static_cast<qlonglong>(AValue)); }
  double AsFloat() const;
  void SetAsFloat(double AValue) { Asignar(ftFloat, AValue); }
  bool AsBoolean() const { return FValue.toBool(); }
  void SetAsBoolean(bool AValue) { Asignar(ftBoolean, AValue); }
  // Dates and times as TDateTime; 0 when the value is NULL.
  TDateTime AsDateTime() const;
  void SetAsDate(TDateTime AValue);
  void SetAsDateTime(TDateTime AValue);
  // The bytes of a binary large object.
  QByteArray AsBlob() const { return FValue.toByteArray(); }
  void SetAsBlob(const QByteArray& AValue) { Asignar(ftBlob, AValue); }

  // Takes the other parameter's type and value.
  void AssignValue(const TParam& AOther);

 private:
  void Asignar(TFieldType ADataType, const QVariant& AValue);

  QString FName;
  TParamType FParamType;
  TFieldType FDataType = ftUnknown;
  QVariant FValue;
};

// The parameters of a statement, in order. Subclasses give the class of their items.
class TParams {
 public:
  explicit TParams(QObject* AOwner = nullptr) : FOwner(AOwner) {}
  virtual ~TParams() = default;
  TParams(const TParams&) = delete;
  TParams& operator=(const TParams&) = delete;

  QObject* Owner() const { return FOwner; }
  int Count() const { return static_cast<int>(FItems.size()); }
  // Raises EListError for an index out of range.
  TParam& Items(int AIndex) const;
  // Copies the given parameter into the item at AIndex.
  void SetItem(int AIndex, const TParam& AValue);
  // Case-insensitive; null when there is none.
  TParam* FindParam(const QString& AName) const;
  // Raises EDatabaseError when there is none.
  TParam& ParamByName(const QString& AName) const;

  TParam& Add(const QString& AName, TParamType AParamType = ptInput);
  void Clear() { FItems.clear(); }
  // Copies the values of the given parameters into the ones of the same names.
  void AssignValues(const TParams& AOther);

 protected:
  virtual std::unique_ptr<TParam> CreateItem() const { return std::make_unique<TParam>(); }

 private:
  QObject* FOwner;
  std::vector<std::unique_ptr<TParam>> FItems;
};
