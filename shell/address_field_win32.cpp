// Address fields of the panels: a host name typed there becomes its dotted
// address.
#include <windows.h>

#include "shell/dialogs_win32.h"
#include "shell/host_names.h"

int resolve_address_field(HWND dialog, int field_id) {
    char text[128];
    GetDlgItemTextA(dialog, field_id, text, sizeof text);
    char address[16];
    bool replaced = false;
    if (!resolve_address_text(dialog, text, address, sizeof address, &replaced)) {
        SendDlgItemMessageA(dialog, field_id, EM_SETSEL, 0, -1);
        return 0;
    }
    if (replaced) {
        SetDlgItemTextA(dialog, field_id, address);
        SendDlgItemMessageA(dialog, field_id, EM_SETSEL, (WPARAM)-1, 0);
    }
    return 1;
}
