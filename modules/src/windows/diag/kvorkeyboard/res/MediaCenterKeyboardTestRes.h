#pragma once
// Template 1265: the stand-alone media-centre test with its own verdict
// buttons. The shared ids carry the same numbers as in the frame's template.
#define IDD_MEDIA_CENTER_KEYBOARD_TEST 1265

#define IDC_INSTRUCTIONS_GROUP 1263
#define IDC_INSTRUCTIONS 1027
#define IDC_KEY_PRESSED_GROUP 1267
#define IDC_KEY_PRESSED 1266
#define IDC_PASS 1255
#define IDC_FAIL 1256
#define IDC_ABORT 1257
