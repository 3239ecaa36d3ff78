#pragma once

// The data-set framework: data sets, fields, data sources and data links.

#include <QByteArray>
#include <QFlags>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVector>
#include <functional>
#include <memory>
#include <vector>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exception.h"

class TRecordStore;

// A data set's failure: a field or parameter that is not there, a value written outside edit mode, a
// closed data set asked for its rows.
class EDatabaseError : public Exception {
 public:
  using Exception::Exception;
};

enum TFieldType {
  ftUnknown,
  ftString,
  ftFixedChar,
  ftSmallint,
  ftInteger,
  ftWord,
  ftLargeint,
  ftBoolean,
  ftFloat,
  ftBCD,
  ftCurrency,
  ftDate,
  ftTime,
  ftDateTime,
  ftMemo,
  ftWideMemo,
  ftBlob,
};

enum TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };

// How Locate compares texts: ignoring case, and a key that only begins the field's text.
enum TLocateOption { loCaseInsensitive = 0x1, loPartialKey = 0x2 };
Q_DECLARE_FLAGS(TLocateOptions, TLocateOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TLocateOptions)

class TDataSet;

// A field's value as its text: dates and times in the process's short formats, reals in up to 15
// significant digits, booleans "True" or "False", bytes as Latin-1; empty for null and for an invalid
// date or time.
QString ValueText(const QVariant& AValue);

// What a data set's fields will be: given by the data set's source when it opens, or by code before.
struct TFieldDef {
  QString Name;
  TFieldType DataType = ftUnknown;
  int Size = 0;
  // The table and column the field comes from ("TABLE.COLUMN"); empty for a computed one.
  QString Origin{};
  // The column's default as SQL text, when the source tells it.
  QString DefaultExpression{};
};

// One column of a data set; its value is that of the data set's current record.
class TField {
 public:
  TField(TDataSet& ADataSet, const TFieldDef& ADef, int AIndex);

  const QString& FieldName() const { return FDef.Name; }
  TFieldType DataType() const { return FDef.DataType; }
  int Size() const { return FDef.Size; }
  const QString& Origin() const { return FDef.Origin; }
  int Index() const { return FIndex; }
  TDataSet& DataSet() const { return FDataSet; }

  // Width in characters for grids.
  int DisplayWidth() const { return FDisplayWidth; }
  void SetDisplayWidth(int AValue) { FDisplayWidth = AValue; }
  // The column's default as SQL text; a new record takes its value when it is a literal.
  const QString& DefaultExpression() const { return FDefaultExpression; }
  void SetDefaultExpression(const QString& AValue) { FDefaultExpression = AValue; }
  // The field's caption for the operator; its name unless one is given.
  QString DisplayLabel() const { return FDisplayLabel.isEmpty() ? FieldName() : FDisplayLabel; }
  void SetDisplayLabel(const QString& AValue) { FDisplayLabel = AValue; }
  // Whether grids show the field.
  bool Visible() const { return FVisible; }
  void SetVisible(bool AValue) { FVisible = AValue; }
  // A read-only field keeps the controls bound to it from changing it.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool AValue) { FReadOnly = AValue; }
  // Whether controls may change the field: it is not read-only and its data set can be modified.
  bool CanModify() const;
  // Whether the character can be typed into the field's text: digits and signs for numbers (with the
  // process's decimal separator and an exponent for reals), any character otherwise.
  bool IsValidChar(QChar AChar) const;
  // Runs after every value written to the field.
  std::function<void(TField& Sender)> OnChange;

  QVariant Value() const;
  // Only in edit or insert state; raises EDatabaseError otherwise.
  void SetValue(const QVariant& AValue);
  bool IsNull() const { return Value().isNull(); }
  void Clear() { SetValue(QVariant()); }

  QString AsString() const;
  // Empty text empties a field that is not text.
  void SetAsString(const QString& AValue);
  // The text that shows the value to the operator.
  QString DisplayText() const { return AsString(); }
  int AsInteger() const;
  void SetAsInteger(int AValue) { SetValue(AValue); }
  qint64 AsLargeInt() const;
  double AsFloat() const;
  void SetAsFloat(double AValue) { SetValue(AValue); }
  bool AsBoolean() const;
  TDateTime AsDateTime() const;
  void SetAsDateTime(TDateTime AValue) { SetValue(QDateTimeFromDateTime(AValue)); }
  QByteArray AsBytes() const;

 private:
  TDataSet& FDataSet;
  TFieldDef FDef;
  int FIndex;
  int FDisplayWidth;
  QString FDefaultExpression;
  QString FDisplayLabel;
  bool FVisible = true;
  bool FReadOnly = false;
};

// Rows in memory under a cursor, with the state machine of editing. A concrete data set supplies the
// field definitions and the rows when it opens (InternalOpen) and applies a posted or deleted record to
// its source (InternalPost, InternalDelete). The rows are held compactly in a record store, which the
// data set's source gives or which is made from the field definitions. Observers follow it through its
// signals; subclasses act at the Do* points, which also fire the matching events.
class TDataSet : public QObject {
  Q_OBJECT

 public:
  using TDataSetNotifyEvent = std::function<void(TDataSet&)>;
  using TFilterRecordEvent = std::function<void(TDataSet&, bool& Accept)>;

  explicit TDataSet(QObject* AOwner = nullptr);
  ~TDataSet() override;

  bool Active() const { return FState != dsInactive; }
  void SetActive(bool AValue);
  void Open() { SetActive(true); }
  void Close() { SetActive(false); }
  TDataSetState State() const { return FState; }

  // Definitions used by the next open of a data set whose source does not describe its own fields.
  std::vector<TFieldDef>& FieldDefs() { return FFieldDefs; }

  int FieldCount() const { return static_cast<int>(FFields.size()); }
  TField& Field(int AIndex) const;
  TField* FindField(const QString& AFieldName) const;
  // Raises EDatabaseError when there is no such field.
  TField& FieldByName(const QString& AFieldName) const;

  int RecordCount() const;
  bool IsEmpty() const { return RecordCount() == 0; }
  // The value of a field in any row (from 0), wherever the cursor stands; a row being edited gives its
  // edited values.
  QVariant RowValue(int ARow, int AField);
  // Where the unsaved record of the insert state goes when it is posted (a row from 0); -1 in any other
  // state.
  int InsertRow() const { return FState == dsInsert ? FInsertAt : -1; }
  // 1-based position of the current record; 0 when there is none. A record being inserted does not count:
  // it is neither in RecordCount nor in RecNo until it is posted.
  int RecNo() const;
  void SetRecNo(int AValue);
  bool Bof() const { return FBof; }
  bool Eof() const { return FEof; }
  void First();
  void Last();
  void Next() { MoveBy(1); }
  void Prior() { MoveBy(-1); }
  int MoveBy(int ADistance);
  // Moves to the first record whose fields (names separated by ";") hold the values (a list for several
  // fields); false, without moving, when none does.
  bool Locate(const QString& AKeyFields, const QVariant& AKeyValues, TLocateOptions AOptions = {});

  // Whether the records can be edited, inserted and deleted; Edit and Insert raise when they cannot.
  virtual bool CanModify() const { return true; }
  void Edit();
  void Insert();
  // Inserts at the end: the data set is then at Eof.
  void Append();
  // Has the controls write their pending changes into the record (UpdateRecord), then stores it.
  void Post();
  void Cancel();
  void Delete();
  bool Modified() const { return FModified; }
  void SetModified(bool AValue) { FModified = AValue; }
  // Asks the controls bound to the data set to write their pending changes into the record.
  void UpdateRecord();

  // While controls are disabled (as often as enabled), the data sources tell their controls nothing; the
  // last EnableControls tells them the data set changed as a whole.
  void DisableControls() { ++FDisableCount; }
  void EnableControls();
  bool ControlsDisabled() const { return FDisableCount > 0; }

  TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose, BeforePost, AfterPost, AfterScroll;
  TFilterRecordEvent OnFilterRecord;

  // The rows, for a client data set to take over: every deferred value is read first, so that they no
  // longer depend on this data set's source. The rows are shared until one side changes them. Raises
  // EDatabaseError when the data set is closed.
  std::shared_ptr<TRecordStore> ShareRecords();

 signals:
  // Opened, closed, or its rows changed as a whole (emptied, read again, controls enabled again).
  void DataSetChanged();
  // Moved to another record.
  void DataSetScrolled();
  // A value of the current record changed; AField is null when the whole record did.
  void RecordChanged(TField* AField);
  void StateChanged();
  // One row, at that position (from 0), was inserted, removed or changed: a post or a delete is told by
  // these alone, beside the record and cursor notices.
  void RowInserted(int ARow);
  void RowRemoved(int ARow);
  void RowChanged(int ARow);
  // The controls are asked to write their pending changes into the record.
  void RecordUpdating();

 protected:
  // Describes the fields (FieldDefs) and gives the rows (SetRecords) of a data set that opens.
  virtual void InternalOpen() {}
  virtual void InternalClose() {}
  // Applies a record being posted (its new values; for an edit, also the old ones) to the source.
  virtual void InternalPost(const QVector<QVariant>& ANewValues, const QVector<QVariant>* AOldValues);
  virtual void InternalDelete(const QVector<QVariant>& AValues);
  // The value that the deferred reference in a field's data stands for (a blob's content); a data set
  // whose store holds such references reads them here.
  virtual QVariant LoadDeferred(int AField, const char* AData);

  virtual void DoBeforeOpen();
  virtual void DoAfterOpen();
  virtual void DoBeforeClose();
  virtual void DoAfterClose();
  virtual void DoBeforePost();
  virtual void DoAfterPost();
  virtual void DoAfterScroll();

  // The rows of the data set being opened, given by its source; without them it opens with a store of
  // its field definitions.
  void SetRecords(std::shared_ptr<TRecordStore> ARecords) { FRecords = std::move(ARecords); }
  TRecordStore& Records() const { return *FRecords; }
  // Every value of a stored row; its deferred values are read into the store first.
  QVector<QVariant> RowValues(int ARow);
  // Reads every deferred value of a stored row into the store.
  void ResolveDeferred(int ARow);
  // Drops every record, leaving the data set open and empty.
  void EmptyRows();
  // Replaces the values of the current record, as when it is read again from the source.
  void ReplaceCurrentRow(const QVector<QVariant>& AValues);

 private:
  friend class TField;

  void OpenCursor();
  void CloseCursor();
  void SetState(TDataSetState AState);
  void CheckActive() const;
  void CheckBrowse(const char* AOperation) const;
  void CheckCanModify() const;
  void StartInsert(int APosition);
  QVariant CurrentValue(int AIndex);
  QString CurrentText(int AIndex);
  // A value of a stored row, its deferred reference read first.
  QVariant StoredValue(int ARow, int AField);
  void Resolve(int ARow, int AField);
  void SetCurrentValue(TField& AField, const QVariant& AValue);
  void Scrolled();
  // The store, of this data set alone: rows shared with another data set are copied before a change.
  TRecordStore& Writable();

  TDataSetState FState = dsInactive;
  std::vector<TFieldDef> FFieldDefs;
  std::vector<std::unique_ptr<TField>> FFields;
  std::shared_ptr<TRecordStore> FRecords;  // while open
  int FCurrent = -1;                       // the current row; -1 without a record
  bool FBof = true;
  bool FEof = true;
  bool FModified = false;
  QVector<QVariant> FBuffer;      // the record being edited or inserted
  int FInsertAt = 0;              // where an inserted record goes when it is posted
  bool FEofAntesInsertar = true;  // Eof before an insert, back after a cancel
  int FDisableCount = 0;
};

// Connects data-aware parts to a data set.
class TDataSource : public QObject {
  Q_OBJECT

 public:
  explicit TDataSource(QObject* AOwner = nullptr) : QObject(AOwner) {}

  TDataSet* DataSet() const { return FDataSet; }
  void SetDataSet(TDataSet* AValue);
  // Whether controls may bring the data set into edit state (Edit); true at first.
  bool AutoEdit() const { return FAutoEdit; }
  void SetAutoEdit(bool AValue) { FAutoEdit = AValue; }
  // Brings the data set from browse into edit state, when AutoEdit allows.
  void Edit();

 signals:
  // The data set's notices, passed on while its controls are enabled.
  void DataSetChanged();
  void DataSetScrolled();
  void RecordChanged(TField* AField);
  void StateChanged();
  void RowInserted(int ARow);
  void RowRemoved(int ARow);
  void RowChanged(int ARow);
  void RecordUpdating();

 private:
  TDataSet* FDataSet = nullptr;  // cleared when the data set goes away
  QVector<QMetaObject::Connection> FConexiones;
  bool FAutoEdit = true;
};

// A data-aware part's link to a data source: subclasses act on what the data set does.
class TDataLink : public QObject {
  Q_OBJECT

 public:
  TDataSource* DataSource() const { return FDataSource; }
  void SetDataSource(TDataSource* AValue);
  TDataSet* DataSet() const { return FDataSource ? FDataSource->DataSet() : nullptr; }
  bool Active() const { return DataSet() && DataSet()->Active(); }
  // Writes the part's pending change into the record (UpdateData).
  void UpdateRecord() { UpdateData(); }

 protected:
  virtual void ActiveChanged() {}
  virtual void DataSetChanged() {}
  virtual void DataSetScrolled() {}
  virtual void RecordChanged(TField* /*AField*/) {}
  virtual void StateChanged() {}
  virtual void RowInserted(int /*ARow*/) {}
  virtual void RowRemoved(int /*ARow*/) {}
  virtual void RowChanged(int /*ARow*/) {}
  // The data set asks for the part's pending change.
  virtual void UpdateData() {}

 private:
  // Follows the data set's state, and tells when it opened or closed.
  void EstadoCambiado();

  TDataSource* FDataSource = nullptr;  // cleared when the source goes away
  QVector<QMetaObject::Connection> FConexiones;
  bool FActivo = false;
};
