/* Numbers of the executable's resources and of the commands its menus send.
   Read by the resource compiler as well as by C++: plain defines only. */
#ifndef VARKEL_APP_RESOURCE_IDS_H
#define VARKEL_APP_RESOURCE_IDS_H

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_MAIN_WINDOW 102
#define IDD_FUNCTION_MENU 103
#define IDD_FUNCTION_SUBMENU 104
#define IDD_WARNING 105
#define IDR_EVENT_LIST_MENU 154
#define IDR_TRAY_MENU 157
#define IDR_MAINFRAME 159

/* System-menu entry that opens the About box. */
#define IDM_ABOUTBOX 16

/* Event-list context menu: insert a mouse-button step before the step. */
#define ID_INSERT_BEFORE_LEFT_DOWN 32802
#define ID_INSERT_BEFORE_LEFT_UP 32803
#define ID_INSERT_BEFORE_RIGHT_DOWN 32804
#define ID_INSERT_BEFORE_RIGHT_UP 32805
#define ID_INSERT_BEFORE_MIDDLE_DOWN 32806
#define ID_INSERT_BEFORE_MIDDLE_UP 32807
/* ... and after it. */
#define ID_INSERT_AFTER_LEFT_DOWN 32809
#define ID_INSERT_AFTER_LEFT_UP 32810
#define ID_INSERT_AFTER_RIGHT_DOWN 32811
#define ID_INSERT_AFTER_RIGHT_UP 32812
#define ID_INSERT_AFTER_MIDDLE_DOWN 32813
#define ID_INSERT_AFTER_MIDDLE_UP 32814
#define ID_CHANGE_DELAY 32780
#define ID_DELETE_STEP 32781

/* Notification-area menu. */
#define ID_TRAY_QUIT 32800
#define ID_TRAY_SHOW 32801

#endif
