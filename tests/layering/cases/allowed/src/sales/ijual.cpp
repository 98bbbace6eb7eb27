#include "receivable-reports/receivable_reports.h"
#include "frame/session.h"
