// Whether the error stream is a terminal: progress is drawn there only
// then, never into a file or a pipe a script reads.
#pragma once

bool stderr_is_terminal();
