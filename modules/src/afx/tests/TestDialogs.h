#pragma once
// Ids of the test dialogs.
#define IDD_HOST 100
#define IDD_BROKEN 102
#define IDD_MISSING 199
