#include "receivables/receivables.h"
