// Controls of the profiles page (template IDD_PROFILES, 131) and its Add
// New Profile dialog. Read by the resource compiler too, so plain #defines
// only.
#ifndef KEEL_PANELS_PROFILES_IDS_H
#define KEEL_PANELS_PROFILES_IDS_H

#define IDD_ADD_PROFILE 9630

#define IDC_PROFILE_LIST 9660
#define IDC_PROFILE_ADD 9661
#define IDC_PROFILE_REMOVE 9662
#define IDC_PROFILE_SAVE 9663
#define IDC_PROFILE_RESET 9664
#define IDC_PROFILE_TABS 9665
// The check-list page, then the return-list page.
#define IDC_PROFILE_LIST_PAGES 9666

#endif
