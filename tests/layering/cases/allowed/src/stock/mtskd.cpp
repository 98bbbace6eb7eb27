#include "sales/sales.h"
#include "stock/mtskd.h"
