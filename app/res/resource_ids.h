// Resource and control ids of the main window, the About box and the program's icons.
// Read by the resource compiler and by the C++ sources.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_MAIN 102
#define IDR_MAINFRAME 128
#define IDI_SHEET 134

#define IDC_MAIN_EXIT 1003

// System menu item of the About box.
#define IDM_ABOUTBOX 0x0010
