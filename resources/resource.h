// Resource numbers shared by the resource script and the code.
#pragma once

#define IDI_LAUNCHER 128
#define IDD_INSERT_DISC 500
#define IDC_DISC_DRIVE 501
#define IDC_DISC_PROMPT 502
#define IDC_DISC_GROUP 503

// The string tables, one per language. Every language has every string,
// with the same %s slots as the English one.
#define IDS_DISC_UNREADABLE 1
#define IDS_WARNING 2
#define IDS_WRONG_DISC 3
#define IDS_INSERT_DISC_PROMPT 4
#define IDS_NT_WARNING 5
#define IDS_DIRECTX_CAPTION 6
#define IDS_DIRECTX_INSTALL 7
#define IDS_GAME_START_CAPTION 8

// The DirectX offer, by the version found.
#define IDS_DIRECTX_NONE 16
#define IDS_DIRECTX_1 17
#define IDS_DIRECTX_2 18
#define IDS_DIRECTX_3 19
#define IDS_DIRECTX_5 20
#define IDS_DIRECTX_6 21
#define IDS_DIRECTX_61 22
#define IDS_DIRECTX_OTHER 23

// ShellExecute's failures when a web page does not open.
#define IDS_WEB_OUT_OF_RESOURCES 32
#define IDS_WEB_FILE_NOT_FOUND 33
#define IDS_WEB_PATH_NOT_FOUND 34
#define IDS_WEB_ACCESS_DENIED 35
#define IDS_WEB_OUT_OF_MEMORY 36
#define IDS_WEB_BAD_FORMAT 37
#define IDS_WEB_SHARING 38
#define IDS_WEB_ASSOCIATION_INCOMPLETE 39
#define IDS_WEB_DDE_TIMEOUT 40
#define IDS_WEB_DDE_FAILED 41
#define IDS_WEB_DDE_BUSY 42
#define IDS_WEB_NO_ASSOCIATION 43
#define IDS_WEB_DLL_NOT_FOUND 44
#define IDS_WEB_OTHER 45

// What a screen reader says of each button.
#define IDS_SPEAK_INSTALL 48
#define IDS_SPEAK_DIRECTX 49
#define IDS_SPEAK_README 50
#define IDS_SPEAK_REGISTER 51
#define IDS_SPEAK_PRODUCT_PAGE 52
#define IDS_SPEAK_HOME_PAGE 53
#define IDS_SPEAK_PLAY 54
#define IDS_SPEAK_QUIT 55
#define IDS_SPEAK_UNINSTALL 56
#define IDS_SPEAK_FAN_SITE 57
#define IDS_SPEAK_STUDIO_SITE 58
#define IDS_SPEAK_ONLINE 59

#define IDS_FIRST_TEXT 1
#define IDS_LAST_TEXT 59
