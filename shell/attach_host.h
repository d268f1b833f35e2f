// Logging on to a remote host so that its pipe accepts this console.
#pragma once

// Adds a network connection to "\\SERVER" through the Windows network
// provider with the given user and password (null: the caller's own logon),
// not remembered for later logons. True when the host accepted it.
bool attach_host(const char* server, const char* user, const char* password);
