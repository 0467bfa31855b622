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

/* The event list's context menu. */
#include "macros/EventMenuIds.h"

/* Notification-area menu. */
#define ID_TRAY_QUIT 32800
#define ID_TRAY_SHOW 32801

#endif
