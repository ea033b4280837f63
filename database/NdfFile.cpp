#include "database/NetworkDatabase.h"
