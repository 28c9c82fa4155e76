// Resource ids of the settings dialogs, shared by the resource script and the shell.
// Plain defines, as the resource compiler reads them too.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDD_CONFIG 106
#define IDD_DISPLAY_ONE_MONITOR 200
#define IDD_DISPLAY_MONITORS 201
#define IDD_SOUND 2214

#define IDR_CONFIG_PICTURE 120

// Configuration dialog
#define IDC_DISPLAY_SETTINGS 1006
#define IDC_SOUND_SETTINGS 1007
#define IDC_MORE_SAVERS 1017
#define IDC_PICTURE_POSITION 1023

// Sound dialog
#define IDC_VOLUME 1021
#define IDC_MUTE 1022

// Display-settings dialogs
#define IDC_MONITOR_TABS 2000
#define IDC_MONITOR_TAB_FORMAT 2001
#define IDC_ADAPTER_NAME 2002
#define IDC_RENDERING_STATUS 2003
#define IDC_DISPLAY_HELP 2004
#define IDC_DISABLE_HARDWARE 2005
#define IDC_USAGE_GROUP 2006
#define IDC_USE_MONITOR 2007
#define IDC_LEAVE_BLACK 2008
#define IDC_MODE_GROUP 2009
#define IDC_MODE_LABEL 2010
#define IDC_MODE_LIST 2011
#define IDC_AUTOMATIC_TEXT 2012
#define IDC_MODE_NOTE 2013
#define IDC_DUAL_GROUP 2014
#define IDC_ALL_SCREENS_SAME 2015
#define IDC_MODE_FORMAT 2016

// String table: help texts of the display-settings dialogs and the rendering status.
#define IDS_HELP_HARDWARE 2200
#define IDS_HELP_HARDWARE_LACKS_SOFTWARE 2201
#define IDS_HELP_HARDWARE_LACKS_BOTH 2202
#define IDS_HELP_HARDWARE_LACKS_NO_SOFTWARE 2203
#define IDS_HELP_SOFTWARE 2204
#define IDS_HELP_SOFTWARE_LACKS 2205
#define IDS_HELP_NO_RENDERER 2206
#define IDS_HELP_DISABLED_SOFTWARE 2207
#define IDS_HELP_DISABLED_SOFTWARE_LACKS 2208
#define IDS_HELP_DISABLED_NO_SOFTWARE 2209
#define IDS_STATUS_HARDWARE 2210
#define IDS_STATUS_SOFTWARE 2211
#define IDS_STATUS_NONE 2212
