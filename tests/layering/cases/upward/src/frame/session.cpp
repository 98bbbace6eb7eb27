#include "xbase/value.h"
