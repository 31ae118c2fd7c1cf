#pragma once
// Resource ids shared by the code and the templates in Kestrum.json.

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_KESTRUM_DIALOG 102
#define IDR_MAINFRAME 128

#define IDC_FILE 1000
#define IDC_HOST 1001
#define IDC_USERNAME 1002
#define IDC_PASSWORD 1003
#define IDC_DIRECTORY 1005
#define IDC_DIRLIST 1006
#define IDC_BROWSE 1007

#define IDM_ABOUTBOX 0x0010
