#include "sales/stock_posting.h"
