#pragma once

// The monitor of a data set's state, with the events of the change into edit and insert state.

#include <QObject>
#include <QPointer>
#include <memory>

#include "platform/data/DataSet.h"
#include "platform/forms/Component.h"

// The monitor's link to its data source: reports every change of the data set's state.
class TqovStateChangeDataLink : public TDataLink {
  Q_OBJECT

 public:
  TNotifyEvent OnStateChange;

 protected:
  void StateChanged() override;
};

// Watches a data source. Once Loaded has attached it (DataSource must be set by then; later changes of
// DataSource do not reach the link), every change of the data set's state fires OnStateChange, preceded
// by OnDetectaEdit or OnDetectaInsert when the new state is edit or insert. The Sender of the three
// events is the link, not the monitor. A data source that goes away is forgotten.
class TqovStateChange : public QObject, public TComponent {
  Q_OBJECT
  Q_PROPERTY(TDataSource* DataSource READ DataSource WRITE SetDataSource)

 public:
  explicit TqovStateChange(TComponent* AOwner);
  ~TqovStateChange() override;

  TDataSource* DataSource() const { return FDataSource; }
  void SetDataSource(TDataSource* AValue) { FDataSource = AValue; }

  void Loaded() override;

  TNotifyEvent OnStateChange;
  TNotifyEvent OnDetectaEdit;
  TNotifyEvent OnDetectaInsert;

 protected:
  virtual void DoDetectaEdit(QObject* Sender);
  virtual void DoDetectaInsert(QObject* Sender);
  virtual void DoStateChange(QObject* Sender);

 private:
  QPointer<TDataSource> FDataSource;
  std::unique_ptr<TqovStateChangeDataLink> FStateChangeDataLink;
};
