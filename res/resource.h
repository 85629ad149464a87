// Resource ids shared by Kestrivar.rc and the C++ code.
// Plain decimal #defines only: the headless dialog backend reads this file as text.
// The buttons with ids 1 and 2 use IDOK and IDCANCEL from windows.h.
#ifndef KESTRIVAR_RES_RESOURCE_H
#define KESTRIVAR_RES_RESOURCE_H

// Resources
#define IDM_ABOUTBOX 16
#define IDM_COPY_FLEET 32
#define IDM_PASTE_FLEET 48
#define IDM_FIND_SHIP 64
// Find Ship's "Sort by" items: 80 for the first column, then one every 16.
#define IDM_SORT_BY_COLUMN 80
// The main dialog's fleets of the player's own, after the sort items' room.
#define IDM_OPEN_FLEET 160
#define IDM_SAVE_FLEET_AS 176
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDS_COPY_FLEET 103
#define IDS_PASTE_FLEET 104
#define IDS_FIND_SHIP 105
#define IDS_OPEN_FLEET 106
#define IDS_SAVE_FLEET_AS 107
#define IDD_KESTRIVAR_DIALOG 102
#define IDR_MAINFRAME 128
#define IDD_PICKSHIP 129
#define IDD_FIND_SHIP 130
#define IDB_SHIP 131

// Labels, group boxes and pictures that code never addresses
#define IDC_STATIC -1

// Main fleet dialog (IDD_KESTRIVAR_DIALOG); ids 1 and 2 are Save (IDOK) and Cancel
#define IDC_ABOUT 3
#define IDC_LOAD 4
#define IDC_REMOVE_FLEET 5
#define IDC_SHIP_CODE1 1000
#define IDC_SHIP_CODE2 1001
#define IDC_SHIP_CODE3 1002
#define IDC_BPV1 1003
#define IDC_BPV2 1004
#define IDC_BPV3 1005
#define IDC_SELECT1 1006
#define IDC_SELECT2 1007
#define IDC_SELECT3 1008
#define IDC_CLEAR1 1009
#define IDC_CLEAR2 1010
#define IDC_CLEAR3 1011
#define IDC_TOTAL_BPV 1054
#define IDC_SHIP2_GROUP 1062
#define IDC_SHIP3_GROUP 1063
#define IDC_SHIP1_GROUP 1064
#define IDC_DEFSATS_LABEL 1065
#define IDC_FRDS_LABEL 1066
#define IDC_PLANET_LABEL 1067
#define IDC_DEFSATS 1068
#define IDC_FRDS 1069
#define IDC_PLANET 1070
#define IDC_BASE_DAMAGE_LABEL 1074
#define IDC_BASE_DAMAGE 1075
#define IDC_BASE_DAMAGE_PERCENT 1076
#define IDC_PLANET_DAMAGE_LABEL 1077
#define IDC_PLANET_DAMAGE 1078
#define IDC_PLANET_DAMAGE_PERCENT 1079

// Pick Ship dialog (IDD_PICKSHIP); ids 1 and 2 are OK (IDOK) and Cancel
#define IDC_HULL_CLASS 1011
#define IDC_SHIP_CODE 1014
#define IDC_SHIP_SPIN 1015
#define IDC_BPV 1016
#define IDC_WEAPONRY 1017
#define IDC_SHIELD1 1018
#define IDC_SHIELD4 1019
#define IDC_SHIELD6 1020
#define IDC_SHIELD5 1021
#define IDC_SHIELD3 1022
#define IDC_SHIELD2 1023
#define IDC_ADJUSTED_BPV 1024
#define IDC_SHUTTLES 1025
#define IDC_SHUTTLES_SPIN 1026
#define IDC_SHUTTLES_MAX 1027
#define IDC_FIGHTER_TYPE 1028
#define IDC_FIGHTER_TYPE_SPIN 1029
#define IDC_FIGHTERS_PER_BAY 1030
#define IDC_FIGHTERS_PER_BAY_SPIN 1031
#define IDC_FIGHTER_COST 1032
#define IDC_FIGHTER_BAYS 1048
#define IDC_MISSILE_TYPE_SPIN 1049
#define IDC_MISSILE_SPEED_SPIN 1050
#define IDC_MISSILE_TYPE 1051
#define IDC_MISSILE_SPEED 1052
#define IDC_MISSILE_COUNT 1053
#define IDC_MISSILE_RELOADS_SPIN 1054
#define IDC_MARINES 1055
#define IDC_MINES 1056
#define IDC_MARINES_SPIN 1057
#define IDC_MINES_SPIN 1058
#define IDC_REPAIRS 1059
#define IDC_REPAIRS_SPIN 1060
#define IDC_FIGHTER_SPECS 1061

// Find Ship dialog (IDD_FIND_SHIP); ids 1 and 2 are OK (IDOK) and Cancel
#define IDC_FIND_TEXT 1080
#define IDC_FIND_COUNT 1081
#define IDC_FIND_LIST 1082
#define IDC_FIND_NONE 1083

#endif  // KESTRIVAR_RES_RESOURCE_H
