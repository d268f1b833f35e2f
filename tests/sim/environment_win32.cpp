#include <stdlib.h>

#include "sim_test_support.h"

void set_environment(const char* name, const char* value) { _putenv_s(name, value); }

