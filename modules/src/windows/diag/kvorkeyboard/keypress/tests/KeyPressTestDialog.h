#pragma once
#define IDD_KEYPRESS_HOST 100
#define IDC_KEYPRESS 101
