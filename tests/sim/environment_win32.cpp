#include <direct.h>
#include <stdlib.h>

#include "sim_test_support.h"

void set_environment(const char* name, const char* value) { _putenv_s(name, value); }

void enter_test_directory() {
    if (_chdir(test_directory().c_str()) != 0) ADD_FAILURE() << "cannot enter " << test_directory();
}
