// Dialog template and control ids of the calendar conversion dialog. The grid's cell k
// (0-36, Sunday first, seven to a row) has its day number in IDC_CONVERT_DAY_FIRST + k and
// its lunar label in IDC_CONVERT_LABEL_FIRST + k.
#pragma once

#define DLG_CONVERT 130

#define IDC_CONVERT_YEAR 1008
#define IDC_CONVERT_MONTH 1009
#define IDC_CONVERT_LUNAR_YEAR 1010
#define IDC_CONVERT_LUNAR_MONTH 1011
#define IDC_CONVERT_TITLE 1012
#define IDC_CONVERT_DAY_FIRST 1013
#define IDC_CONVERT_DAY_LAST 1049
#define IDC_CONVERT_WEEKDAY_SUNDAY 1057
#define IDC_CONVERT_LABEL_FIRST 1062
#define IDC_CONVERT_LABEL_LAST 1098
#define IDC_CONVERT_HOLIDAY_NOTE 1099
