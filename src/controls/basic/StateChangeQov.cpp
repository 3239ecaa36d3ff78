#include "controls/basic/StateChangeQov.h"

void TqovStateChangeDataLink::StateChanged() {
  if (OnStateChange) OnStateChange(this);
}

TqovStateChange::TqovStateChange(TComponent* AOwner) : QObject(), TComponent(this, AOwner) {}

TqovStateChange::~TqovStateChange() { FStateChangeDataLink.reset(); }

void TqovStateChange::Loaded() {
  FStateChangeDataLink = std::make_unique<TqovStateChangeDataLink>();
  FStateChangeDataLink->SetDataSource(FDataSource);
  FStateChangeDataLink->OnStateChange = [this](QObject* Sender) { DoStateChange(Sender); };
}

void TqovStateChange::DoDetectaEdit(QObject* Sender) {
  if (OnDetectaEdit) OnDetectaEdit(Sender);
}

void TqovStateChange::DoDetectaInsert(QObject* Sender) {
  if (OnDetectaInsert) OnDetectaInsert(Sender);
}

void TqovStateChange::DoStateChange(QObject* Sender) {
  const TDataSet* datos = FDataSource ? FDataSource->DataSet() : nullptr;
  const TDataSetState estado = datos ? datos->State() : dsInactive;
  if (estado == dsEdit)
    DoDetectaEdit(Sender);
  else if (estado == dsInsert)
    DoDetectaInsert(Sender);
  if (OnStateChange) OnStateChange(Sender);
}
