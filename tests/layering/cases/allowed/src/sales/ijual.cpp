#include "frame/session.h"
#include "receivable-reports/receivable_reports.h"
