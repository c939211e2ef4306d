#pragma once
// Template 1262: the layout test page, as large as the frame's test area.
#define IDD_KEYBOARD_LAYOUT_TEST 1262

#define IDC_KEYBOARD_TYPE 1000
#define IDC_KEYBOARD_TYPE_LABEL 1028
#define IDC_LAYOUT_AREA 1264
