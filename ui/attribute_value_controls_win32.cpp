#include "ui/attribute_value_controls_win32.h"

#include <string.h>

#include "api/text_field.h"
#include "resources/strings.h"
#include "ui/attribute_editor_ids.h"
#include "ui/dialogs_win32.h"

namespace {

void show(HWND dialog, int id, bool visible) { ShowWindow(GetDlgItem(dialog, id), visible ? SW_SHOWNA : SW_HIDE); }
bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void add_pool(void* to, const char* name) { SendMessageA((HWND)to, CB_ADDSTRING, 0, (LPARAM)name); }

void fill_value_names(HWND combo, const Dictionary* dictionary, const char* attribute) {
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    int32_t first = first_value_index(dictionary, attribute);
    for (uint32_t i = first < 0 ? dictionary->value_count : (uint32_t)first; i < dictionary->value_count; ++i) {
        if (strcmp(dictionary->values[i].attribute, attribute) != 0) break;
        SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)dictionary->values[i].name);
    }
}

bool combo_text(HWND dialog, int id, char* text, uint32_t size) {
    text[0] = 0;
    HWND combo = GetDlgItem(dialog, id);
    LRESULT chosen = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (chosen == CB_ERR || SendMessageA(combo, CB_GETLBTEXTLEN, (WPARAM)chosen, 0) >= (LRESULT)size) return false;
    SendMessageA(combo, CB_GETLBTEXT, (WPARAM)chosen, (LPARAM)text);
    return true;
}

bool echo_checked(HWND dialog, const ValueControls& values) {
    return values.kind.list_bit == ATTR_RETURN && checked(dialog, IDC_VALUE_FLAG);
}

}  // namespace

void value_controls_show(HWND dialog, ValueControls* values, const AttributeDefinition& definition, ListKind kind,
                         const AttributePageSetup& setup, bool change) {
    values->definition = &definition;
    values->kind = kind;
    values->control = value_control(definition, kind);
    values->typed[0] = 0;
    values->echo_shown = false;
    uint16_t prompt = value_prompt(definition, kind, change);
    SetDlgItemTextA(dialog, IDC_VALUE_PROMPT, prompt ? string_text(prompt) : "");
    SendDlgItemMessageA(dialog, IDC_VALUE_TEXT, EM_LIMITTEXT, MAX_TYPED_TEXT, 0);
    SetDlgItemTextA(dialog, IDC_VALUE_TEXT, "");
    if (values->control == VALUE_NAMES)
        fill_value_names(GetDlgItem(dialog, IDC_VALUE_NAMES), setup.dictionary, definition.name);
    if (values->control == VALUE_ADDRESS_OR_POOL) {
        HWND pools = GetDlgItem(dialog, IDC_VALUE_POOLS);
        SendMessageA(pools, CB_RESETCONTENT, 0, 0);
        if (setup.list_pools) setup.list_pools(setup.host, add_pool, pools);
    }
    CheckDlgButton(dialog, IDC_VALUE_POOL_CHECK, BST_UNCHECKED);
    SetDlgItemTextA(dialog, IDC_VALUE_FLAG,
                    string_text(kind.list_bit == ATTR_CHECK ? IDS_LABEL_DEFAULT : IDS_LABEL_ECHO));
    EnableWindow(GetDlgItem(dialog, IDC_VALUE_FLAG), kind.list_bit == ATTR_CHECK || echo_allowed(definition, kind));
    value_controls_sync(dialog, values);
}

void value_controls_sync(HWND dialog, ValueControls* values) {
    bool echo = echo_checked(dialog, *values);
    HWND field = GetDlgItem(dialog, IDC_VALUE_TEXT);
    if (echo && !values->echo_shown) {
        // The field shows what echo means; the typed text waits for its return.
        GetDlgItemTextA(dialog, IDC_VALUE_TEXT, values->typed, sizeof values->typed);
        SetDlgItemTextA(dialog, IDC_VALUE_TEXT, string_text(IDS_ECHO_VALUE));
    } else if (!echo && values->echo_shown) {
        SetDlgItemTextA(dialog, IDC_VALUE_TEXT, values->typed);
    }
    values->echo_shown = echo;
    ValueControl control = values->control;
    bool pool = control == VALUE_ADDRESS_OR_POOL && checked(dialog, IDC_VALUE_POOL_CHECK);
    show(dialog, IDC_VALUE_TEXT, echo || control == VALUE_TEXT || control == VALUE_ADDRESS_OR_POOL);
    show(dialog, IDC_VALUE_NAMES, !echo && control == VALUE_NAMES);
    show(dialog, IDC_VALUE_POOL_CHECK, control == VALUE_ADDRESS_OR_POOL);
    show(dialog, IDC_VALUE_POOLS, control == VALUE_ADDRESS_OR_POOL);
    EnableWindow(field, !echo && !pool);
    EnableWindow(GetDlgItem(dialog, IDC_VALUE_POOL_CHECK), !echo);
    EnableWindow(GetDlgItem(dialog, IDC_VALUE_POOLS), !echo && pool);
}

bool value_controls_command(HWND dialog, ValueControls* values, int id, int code) {
    if ((id == IDC_VALUE_FLAG || id == IDC_VALUE_POOL_CHECK) && code == BN_CLICKED) {
        value_controls_sync(dialog, values);
        return true;
    }
    return (id == IDC_VALUE_TEXT && code == EN_CHANGE) ||
           ((id == IDC_VALUE_NAMES || id == IDC_VALUE_POOLS) && code == CBN_SELCHANGE);
}

bool value_controls_given(HWND dialog, const ValueControls& values) {
    ValueState state;
    state.control = values.control;
    state.text_given = GetWindowTextLengthA(GetDlgItem(dialog, IDC_VALUE_TEXT)) > 0;
    state.name_chosen = SendDlgItemMessageA(dialog, IDC_VALUE_NAMES, CB_GETCURSEL, 0, 0) != CB_ERR;
    state.pool_checked = checked(dialog, IDC_VALUE_POOL_CHECK);
    state.pool_chosen = SendDlgItemMessageA(dialog, IDC_VALUE_POOLS, CB_GETCURSEL, 0, 0) != CB_ERR;
    state.echo = echo_checked(dialog, values);
    return value_given(state);
}

ValueEntry value_controls_read(HWND dialog, ValueControls* values) {
    ValueEntry entry = {values->text, nullptr, false, false};
    values->text[0] = values->pool[0] = 0;
    entry.echo = echo_checked(dialog, *values);
    entry.default_value = values->kind.list_bit == ATTR_CHECK && checked(dialog, IDC_VALUE_FLAG);
    if (entry.echo) return entry;
    if (values->control == VALUE_NAMES) {
        combo_text(dialog, IDC_VALUE_NAMES, values->text, sizeof values->text);
    } else {
        GetDlgItemTextA(dialog, IDC_VALUE_TEXT, values->text, sizeof values->text);
    }
    if (values->control == VALUE_ADDRESS_OR_POOL && checked(dialog, IDC_VALUE_POOL_CHECK)) {
        combo_text(dialog, IDC_VALUE_POOLS, values->pool, sizeof values->pool);
        entry.pool = values->pool;
    }
    return entry;
}

void focus_value_field(HWND dialog, const ValueControls& values) {
    int id = IDC_VALUE_TEXT;
    if (values.control == VALUE_NAMES) id = IDC_VALUE_NAMES;
    if (values.control == VALUE_ADDRESS_OR_POOL && checked(dialog, IDC_VALUE_POOL_CHECK)) id = IDC_VALUE_POOLS;
    HWND field = GetDlgItem(dialog, id);
    if (id == IDC_VALUE_TEXT) SendMessageA(field, EM_SETSEL, 0, -1);
    SetFocus(field);
}

void place_attribute_dialog(HWND dialog, HWND page) {
    RECT over;
    GetWindowRect(GetAncestor(page, GA_ROOT), &over);
    move_onto_monitor(dialog, over.left + 9, over.top + 9);
}
