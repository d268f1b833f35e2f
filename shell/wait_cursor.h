// The hourglass while the console waits on the server or the network.
#pragma once

// Shows the wait cursor unless it is already up, remembering the cursor it
// replaced. Calls do not nest.
void begin_wait_cursor();
// Restores the remembered cursor, if any; the first end after a begin does it.
void end_wait_cursor();
