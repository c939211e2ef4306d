#pragma once
#define IDD_CONTROLS 300
#define IDC_PICTURE 3001
#define IDC_LABEL 3002
#define IDC_TEXT 3003
#define IDC_BUTTON 3004
