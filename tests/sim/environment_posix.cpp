#include <stdlib.h>
#include <unistd.h>

#include "sim_test_support.h"

void set_environment(const char* name, const char* value) { setenv(name, value, 1); }

void enter_test_directory() {
    if (chdir(test_directory().c_str()) != 0) ADD_FAILURE() << "cannot enter " << test_directory();
}
