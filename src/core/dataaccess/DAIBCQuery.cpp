#include "core/dataaccess/DAIBCQuery.h"

TqovDAQuery::TqovDAQuery(QObject* AOwner) : TqovDADataset(AOwner) {
  Options().DefaultValues = false;
  DefaultValuesQov = false;
}
