#include "transfer/selection_dialog_win32.h"

#include <commctrl.h>
#include <stdlib.h>

#include "platform/prompt.h"
#include "resources/strings.h"
#include "transfer/transfer_ids.h"
#include "ui/dialogs_win32.h"

namespace {

struct SelectionDialog {
    SelectionModel* model;
    SelectionAccepted accepted;
    void* context;
};

HWND page_list(HWND dialog, uint32_t page) { return GetDlgItem(dialog, IDC_SELECT_LIST + (int)page); }

uint32_t current_page(HWND dialog) {
    LRESULT index = SendDlgItemMessageA(dialog, IDC_SELECT_TABS, TCM_GETCURSEL, 0, 0);
    return index < 0 ? 0 : (uint32_t)index;
}

void fill_list(HWND list, const SelectionPage& page) {
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_INITSTORAGE, page.count, page.arena_used);
    for (uint32_t i = 0; i < page.count; ++i) {
        SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)selection_text(page, i));
        if (page.entries[i].selected) SendMessageA(list, LB_SETSEL, TRUE, (LPARAM)i);
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
}

// One list per page, all in the place of the template's, the first shown.
void create_pages(HWND dialog, const SelectionModel& model) {
    HWND first = page_list(dialog, 0);
    RECT place;
    GetWindowRect(first, &place);
    MapWindowPoints(nullptr, dialog, (POINT*)&place, 2);
    LONG style = GetWindowLongA(first, GWL_STYLE) & ~WS_VISIBLE;
    HFONT font = (HFONT)SendMessageA(dialog, WM_GETFONT, 0, 0);
    HWND tabs = GetDlgItem(dialog, IDC_SELECT_TABS);
    HWND after = first;
    for (uint32_t page = 0; page < model.page_count; ++page) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = (LPSTR)string_text(model.pages[page].title_id);
        SendMessageA(tabs, TCM_INSERTITEMA, page, (LPARAM)&item);
        HWND list = first;
        if (page > 0) {
            list = CreateWindowExA((DWORD)GetWindowLongA(first, GWL_EXSTYLE), "LISTBOX", "", (DWORD)style, place.left,
                                   place.top, place.right - place.left, place.bottom - place.top, dialog,
                                   (HMENU)(INT_PTR)(IDC_SELECT_LIST + page), GetModuleHandleA(nullptr), nullptr);
            SendMessageA(list, WM_SETFONT, (WPARAM)font, FALSE);
            // In the tab order where the template's list stands.
            SetWindowPos(list, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            after = list;
        }
        fill_list(list, model.pages[page]);
    }
    // The lists stand on the tab control: keep it behind them.
    SetWindowPos(tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// A disabled page shows its list greyed, and its All and None take nothing.
void show_page(HWND dialog, const SelectionModel& model, uint32_t shown) {
    for (uint32_t page = 0; page < model.page_count; ++page) {
        EnableWindow(page_list(dialog, page), !model.pages[page].disabled);
        ShowWindow(page_list(dialog, page), page == shown ? SW_SHOW : SW_HIDE);
    }
    const bool enabled = shown < model.page_count && !model.pages[shown].disabled;
    EnableWindow(GetDlgItem(dialog, IDC_SELECT_PAGE_ALL), enabled);
    EnableWindow(GetDlgItem(dialog, IDC_SELECT_PAGE_NONE), enabled);
}

void select_list(HWND list, bool selected) { SendMessageA(list, LB_SETSEL, selected ? TRUE : FALSE, -1); }

// The lists' selections into the model.
void take_selection(HWND dialog, SelectionModel* model) {
    selection_set_all(model, false);
    for (uint32_t page = 0; page < model->page_count; ++page) {
        HWND list = page_list(dialog, page);
        LRESULT count = SendMessageA(list, LB_GETSELCOUNT, 0, 0);
        if (count <= 0) continue;
        int* items = (int*)malloc((size_t)count * sizeof(int));
        if (!items) continue;
        LRESULT got = SendMessageA(list, LB_GETSELITEMS, (WPARAM)count, (LPARAM)items);
        for (LRESULT i = 0; i < got; ++i) {
            if (items[i] >= 0 && (uint32_t)items[i] < model->pages[page].count)
                model->pages[page].entries[items[i]].selected = true;
        }
        free(items);
    }
}

INT_PTR CALLBACK selection_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    SelectionDialog* state = (SelectionDialog*)dialog_state(dialog, message, lparam);
    if (!state) return FALSE;
    SelectionModel* model = state->model;
    switch (message) {
        case WM_INITDIALOG:
            SetWindowTextA(dialog, string_text(model->title_id));
            SetDlgItemTextA(dialog, IDC_SELECT_PROMPT, string_text(model->prompt_id));
        {
            create_pages(dialog, *model);
            // The first page that takes a choice is the one shown.
            uint32_t first = 0;
            while (first < model->page_count && model->pages[first].disabled) ++first;
            if (first == model->page_count) first = 0;
            SendDlgItemMessageA(dialog, IDC_SELECT_TABS, TCM_SETCURSEL, first, 0);
            show_page(dialog, *model, first);
            center_over_owner(dialog);
            SetFocus(page_list(dialog, first));
            return FALSE;  // the focus is set
        }
        case WM_NOTIFY: {
            const NMHDR* header = (const NMHDR*)lparam;
            if (header->idFrom == IDC_SELECT_TABS && header->code == TCN_SELCHANGE)
                show_page(dialog, *model, current_page(dialog));
            return TRUE;
        }
        case WM_COMMAND:
            switch (LOWORD(wparam)) {
                case IDC_SELECT_PAGE_ALL:
                case IDC_SELECT_PAGE_NONE:
                    select_list(page_list(dialog, current_page(dialog)), LOWORD(wparam) == IDC_SELECT_PAGE_ALL);
                    return TRUE;
                case IDC_SELECT_ALL:
                    for (uint32_t page = 0; page < model->page_count; ++page)
                        if (!model->pages[page].disabled) select_list(page_list(dialog, page), true);
                    return TRUE;
                case IDOK:
                    take_selection(dialog, model);
                    if (state->accepted && !state->accepted(dialog, model, state->context)) return TRUE;
                    EndDialog(dialog, IDOK);
                    return TRUE;
                case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
            }
            return FALSE;
    }
    return FALSE;
}

}  // namespace

INT_PTR run_selection_dialog(HWND owner, SelectionModel* model, SelectionAccepted accepted, void* context) {
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_TAB_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&classes);
    SelectionDialog state = {model, accepted, context};
    return run_dialog(owner, IDD_TRANSFER_SELECT, selection_proc, &state);
}
