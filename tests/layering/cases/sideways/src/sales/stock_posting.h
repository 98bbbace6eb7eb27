#include "documents/posting_date.h"
