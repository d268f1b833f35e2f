// This computer's place in its NT domain.
#pragma once

#include "install/install_host.h"

enum class Answer { no, yes, unknown };

// Whether the domain lists at least one primary or backup controller; a
// listing that fails counts as none.
bool domain_has_controllers(const InstallHost& host);
// Whether this computer is one of its domain's controllers.
Answer is_domain_controller(const InstallHost& host);
