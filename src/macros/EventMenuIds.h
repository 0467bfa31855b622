/* Commands of the event list's context menu (menu 154). Read by the
   resource compiler as well as by C++: plain defines only. */
#ifndef VARKEL_MACROS_EVENT_MENU_IDS_H
#define VARKEL_MACROS_EVENT_MENU_IDS_H

/* Insert a mouse-button step before the step. */
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

#endif
