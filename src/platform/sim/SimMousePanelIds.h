/* The demo's mouse panel: its template and controls. Read by the resource
   compiler as well as by C++: plain defines only. */
#ifndef VARKEL_SIM_MOUSE_PANEL_IDS_H
#define VARKEL_SIM_MOUSE_PANEL_IDS_H

#define IDD_MOUSE_PANEL 200
#define IDC_MOUSE_STATE 1000
/* Button n of the program (1 to 6): a click, and a box that holds it down. */
#define IDC_CLICK_BUTTON_1 1101
#define IDC_HOLD_BUTTON_1 1201
#define IDC_PLUG 1300

#endif
