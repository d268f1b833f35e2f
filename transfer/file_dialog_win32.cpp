#include "transfer/file_dialog_win32.h"

#include "resources/strings.h"

OPENFILENAMEA file_dialog_fields(void* owner, const char* filter, char* path, uint32_t path_size, uint16_t title_id) {
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = (HWND)owner;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = path;
    dialog.nMaxFile = path_size;
    dialog.lpstrTitle = string_text(title_id);
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    return dialog;
}
