#include "MemTable.h"
