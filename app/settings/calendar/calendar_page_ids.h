// Dialog template and control ids of the calendar page.
#pragma once

#define DLG_CALENDAR_PAGE 142

#define IDC_CALENDAR_FONT 1009
#define IDC_CALENDAR_COLOR 1010
#define IDC_CALENDAR_FESTIVALS 1008
#define IDC_CALENDAR_CONVERT 1007
#define IDC_CALENDAR_SOLAR 1092
#define IDC_CALENDAR_LUNAR 1093
#define IDC_CALENDAR_TERMS 1094
#define IDC_CALENDAR_OWN_SOLAR 1095
#define IDC_CALENDAR_OWN_LUNAR 1096
#define IDC_CALENDAR_HOLIDAY_NOTE 1097
#define IDC_CALENDAR_WEEK_NUMBERS 1130

// Keeping the holiday data current: the import dialog, the status of the covered years and
// the update from the internet.
#define IDC_CALENDAR_HOLIDAY_STATUS 1150
#define IDC_CALENDAR_HOLIDAY_IMPORT 1151
#define IDC_CALENDAR_HOLIDAY_UPDATE 1152
#define IDC_CALENDAR_HOLIDAY_UPDATE_NOW 1153
