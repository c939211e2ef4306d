#pragma once
// Ids of the test dialogs and their controls.
#define IDD_HOST 100
#define IDD_CHILD 101
#define IDD_BROKEN 102
#define IDD_MISSING 199
#define IDC_COMBO 1002
#define IDC_AREA 1005
#define IDC_CHILD_BUTTON 2001
