// Resource ids of keelinst.dll, for the setup program that shows its dialog.
#pragma once

#define IDD_SERVICE_LOGIN 100
#define IDC_SERVICE_USER 1001
#define IDC_SERVICE_PASSWORD 1002
#define IDC_SERVICE_PASSWORD_AGAIN 1003
#define IDC_SERVICE_BACK 1004
#define IDC_SERVICE_NEXT IDOK
#define IDC_SERVICE_CANCEL IDCANCEL
