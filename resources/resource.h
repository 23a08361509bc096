// Resource numbers shared by the resource script and the code.
#pragma once

#define IDI_LAUNCHER 128
#define IDD_INSERT_DISC 500
#define IDC_DISC_DRIVE 501
#define IDC_DISC_PROMPT 502
#define IDC_DISC_GROUP 503
#define IDS_DISC_UNREADABLE 1
#define IDS_WARNING 2
#define IDS_WRONG_DISC 3
