// Dialog template and control ids of the dialog "导入放假安排".
#pragma once

#define DLG_HOLIDAY_IMPORT 160

#define IDC_HOLIDAY_PASTE 1140
#define IDC_HOLIDAY_READ 1141
#define IDC_HOLIDAY_OPEN 1142
#define IDC_HOLIDAY_MESSAGE 1143
#define IDC_HOLIDAY_PREVIEW 1144
