#pragma once

// The table model of a data-aware grid: the rows of a data set read where the data set keeps them.

#include <QAbstractTableModel>
#include <QIcon>
#include <QPointer>
#include <QVector>

#include "platform/data/DataSet.h"
#include "platform/grids/GridColumn.h"

// One row per record of the data source's data set, and in the insert state one more for the unsaved
// record, where it will go when posted; one column per grid column. It copies no rows: every cell is read
// from the data set when asked for, so it adds no memory per row. It follows the data set's single-row
// notices with the matching row insertions, removals and changes, and resets only when the data set opens,
// closes or changes as a whole. Display gives the value's text, Edit the value, CheckState the box of a
// check-box column; writing a cell edits the data set's current record. Horizontal headers give the titles
// and the title images set by the grid; the vertical header marks the current row.
class TDBGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit TDBGridModel(QObject* AParent = nullptr);

  TDataSource* DataSource() const { return FDataSource; }
  void SetDataSource(TDataSource* AValue);
  TDataSet* DataSet() const { return FDataSet; }
  bool Active() const { return FDataSet && FDataSet->Active(); }

  const TGridColumns& Columns() const { return FColumns; }
  void SetColumns(const TGridColumns& AValue);
  // The field a column shows: null when the data set is closed or has no such field.
  TField* ColumnField(int AColumn) const;
  // The column that shows a field (by name, ignoring case), or -1.
  int ColumnOfField(const QString& AFieldName) const;
  void SetTitleImage(int AColumn, const QIcon& AIcon);

  // The row of the unsaved record, or -1 outside the insert state.
  int InsertRow() const { return FInsertRow; }
  // The row of the data set's current record (the unsaved one in the insert state); -1 without one.
  int CurrentRow() const;
  // The record shown on a model row: its row in the data set, -1 for the unsaved one, -2 for one being
  // announced as removed.
  int RecordOfRow(int ARow) const;

  int rowCount(const QModelIndex& AParent = {}) const override;
  int columnCount(const QModelIndex& AParent = {}) const override;
  QVariant data(const QModelIndex& AIndex, int ARole = Qt::DisplayRole) const override;
  QVariant headerData(int ASection, Qt::Orientation AOrientation, int ARole = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& AIndex) const override;
  // Writes the current record's field (edit mode first); a failure goes to the application's catch point
  // and answers false.
  bool setData(const QModelIndex& AIndex, const QVariant& AValue, int ARole = Qt::EditRole) override;

 signals:
  // The data set's current record may stand on another row: it moved, or rows came or went.
  void CurrentMoved();

 private:
  void LinkDataSet();
  void Reset();
  // The row count agrees with the data set's.
  bool InStep() const;
  void RowInserted(int ARow);
  void RowRemoved(int ARow);
  void RowChanged(int ARow);
  void StateChanged();
  void WholeChanged();
  void CurrentRecordChanged();
  void Scrolled();
  QVariant Value(int ARow, int AColumn) const;

  QPointer<TDataSource> FDataSource;
  QPointer<TDataSet> FDataSet;
  QVector<QMetaObject::Connection> FConnections;
  TGridColumns FColumns;
  QVector<int> FFieldIndex;  // each column's field, -1 without
  QVector<QIcon> FTitleImages;
  int FRows = 0;              // records shown
  int FInsertRow = -1;        // where the unsaved record is shown
  int FMarkedRow = -1;        // the row the vertical header marks as current
  int FAnnouncedInsert = -1;  // a row inserted in the data set, being announced
  int FAnnouncedRemove = -1;  // a row removed from the data set, being announced
  bool FOpen = false;         // the data set was open at the last reset
  bool FRowNotice = false;    // a single-row notice came before the data set's whole-set notice
};
