#include "frame/session.h"
