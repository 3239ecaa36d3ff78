#include "platform/data/MemTable.h"
