#include "import/SatcodxImport.h"
