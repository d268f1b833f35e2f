#include "shell/access_gate.h"

#include "api/requests.h"
#include "resources/shell_ids.h"

bool panel_button_enabled(int button_id, uint16_t level) {
    return button_id == IDC_PANEL_SERVERS || level == ACCESS_FULL;
}

bool menu_item_enabled(int item_id, uint16_t level) {
    bool needs_full_access = item_id == IDM_IMPORT || item_id == IDM_EXPORT || item_id == IDM_REPORT;
    return !needs_full_access || level == ACCESS_FULL;
}
