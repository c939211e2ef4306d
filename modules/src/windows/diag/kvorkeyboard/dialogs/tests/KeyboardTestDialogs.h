#pragma once
#define IDD_TEST_FRAME 300
#define IDD_TEST_PAGE 301
#define IDC_TEST_AREA 1260
