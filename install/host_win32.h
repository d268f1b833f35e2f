// The host table over the real system. Each file fills in its own part.
#pragma once

#include <windows.h>

#include "install/install_host.h"

InstallHost win32_install_host();

void add_service_manager_functions(InstallHost* host);
void add_account_functions(InstallHost* host);
void add_process_functions(InstallHost* host);
void add_storage_functions(InstallHost* host);

// ANSI text converted to UTF-16 in `wide` (count characters); false when it
// does not fit or cannot be converted.
bool to_wide(const char* text, wchar_t* wide, int count);
