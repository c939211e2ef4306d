#pragma once
// Resources of the module as a whole. The version is the one the module
// announces to the host, so that Explorer's file properties and the host's
// reports name the same build.
#define IDI_KVORKEYBOARD 103

#define KVORKEYBOARD_VERSION_MAJOR 5
#define KVORKEYBOARD_VERSION_MINOR 0
#define KVORKEYBOARD_VERSION_BUILD 1
#define KVORKEYBOARD_VERSION_BUILD_TEXT "000000001"
#define KVORKEYBOARD_VERSION_TEXT "5.0.000000001"
