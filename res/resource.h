#pragma once

// Identifiers of Korvane's dialogs, controls, strings, figures and commands. The
// dialog templates in res/dialogs name their controls with these names; the program
// reads this header at run time to resolve them, so it is the one place an id lives.
//
// The forms share numeric ids: a number names a place in the templates that several
// forms reuse, not a quantity. Where two forms give an id different meanings, each
// meaning has its own name below, in the section of its form.

// Dialog templates.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_KORVANE_DIALOG = 102;
inline constexpr int IDD_CIRCULAR_SLIP = 133;
inline constexpr int IDD_POLYLINE_SLIP = 136;
inline constexpr int IDD_COMBINED_ACTION = 141;
inline constexpr int IDD_HIGH_CAP = 144;

// Icon and figures.
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDB_CIRCULAR_SLIP = 129;
inline constexpr int IDB_POLYLINE_SLIP = 138;
inline constexpr int IDB_POLYLINE_SLIP_SMALL = 139;
inline constexpr int IDB_CIRCULAR_SLIP_SMALL = 140;
inline constexpr int IDB_COMBINED_ACTION = 145;
inline constexpr int IDB_HIGH_CAP = 147;

// Strings and the about command of the launcher's window menu.
inline constexpr int IDM_ABOUTBOX = 0x0010;
inline constexpr int IDS_ABOUTBOX = 101;

// Launcher.
inline constexpr int IDC_OPEN_CIRCULAR_SLIP = 1000;
inline constexpr int IDC_OPEN_COMBINED_ACTION = 1001;
inline constexpr int IDC_OPEN_HIGH_CAP = 1002;
inline constexpr int IDC_OPEN_POLYLINE_SLIP = 1053;

// Fields of both slope forms.
inline constexpr int IDC_EDIT_BETA = 1003;
inline constexpr int IDC_EDIT_A = 1004;
inline constexpr int IDC_EDIT_B = 1005;
inline constexpr int IDC_EDIT_L = 1008;
inline constexpr int IDC_EDIT_H1 = 1009;
inline constexpr int IDC_EDIT_H = 1010;
inline constexpr int IDC_EDIT_SAX = 1011;
inline constexpr int IDC_EDIT_BB = 1012;
inline constexpr int IDC_EDIT_SAY = 1013;
inline constexpr int IDC_EDIT_F = 1015;
inline constexpr int IDC_EDIT_H_LOAD = 1016;
inline constexpr int IDC_EDIT_A_SEISMIC = 1017;
inline constexpr int IDC_EDIT_SLOPE_AMP = 1018;
inline constexpr int IDC_EDIT_HB = 1019;
inline constexpr int IDC_EDIT_KS = 1020;
inline constexpr int IDC_EDIT_D = 1024;
inline constexpr int IDC_COMBO_CONCRETE = 1025;
inline constexpr int IDC_COMBO_REBAR = 1026;
inline constexpr int IDC_EDIT_STIRRUP_DIA = 1027;
inline constexpr int IDC_EDIT_STIRRUP_SPACING = 1028;
inline constexpr int IDC_EDIT_GAMMA = 1029;

// Circular slip form.
inline constexpr int IDC_EDIT_C = 1006;
inline constexpr int IDC_EDIT_PHI = 1007;
inline constexpr int IDC_CALC_CIRCLE = 1014;
inline constexpr int IDC_EDIT_R = 1021;
inline constexpr int IDC_EDIT_X = 1022;
inline constexpr int IDC_EDIT_Y = 1023;

// Polyline slip form: segment 1 reaches the level ground, segment 3 starts at the toe.
inline constexpr int IDC_EDIT_THETA2 = 1006;
inline constexpr int IDC_EDIT_THETA1 = 1007;
inline constexpr int IDC_EDIT_C3 = 1031;
inline constexpr int IDC_EDIT_PHI3 = 1032;
inline constexpr int IDC_EDIT_C2 = 1034;
inline constexpr int IDC_EDIT_PHI2 = 1035;
inline constexpr int IDC_EDIT_C1 = 1037;
inline constexpr int IDC_EDIT_PHI1 = 1038;
inline constexpr int IDC_EDIT_L3 = 1045;
inline constexpr int IDC_EDIT_L2 = 1046;
inline constexpr int IDC_EDIT_L1 = 1047;
inline constexpr int IDC_EDIT_THETA3 = 1048;
inline constexpr int IDC_CALC_POLYLINE = 1049;

// Fields of both pile forms.
inline constexpr int IDC_EDIT_PILE_H = 1008;
inline constexpr int IDC_EDIT_MP = 1056;
inline constexpr int IDC_EDIT_PILE_D = 1058;
inline constexpr int IDC_EDIT_XIN = 1059;
inline constexpr int IDC_RADIO_NON_BEDROCK = 1061;
inline constexpr int IDC_EDIT_CR = 1062;
inline constexpr int IDC_EDIT_NX = 1063;
inline constexpr int IDC_EDIT_NZ = 1064;
inline constexpr int IDC_EDIT_PILE_SAX = 1066;
inline constexpr int IDC_EDIT_PILE_SAZ = 1067;
inline constexpr int IDC_EDIT_NG = 1070;
inline constexpr int IDC_EDIT_PILE_H_LOAD = 1071;
inline constexpr int IDC_EDIT_PILE_M_LOAD = 1072;
inline constexpr int IDC_RADIO_END_BEARING = 1076;
inline constexpr int IDC_RADIO_FRICTION = 1077;
inline constexpr int IDC_EDIT_PILE_PHI = 1078;
inline constexpr int IDC_EDIT_NTOP = 1084;
inline constexpr int IDC_EDIT_CAP_U = 1085;
inline constexpr int IDC_EDIT_X0 = 1086;
inline constexpr int IDC_EDIT_CAP_BETA = 1087;

// Combined-action form (high, low and voided caps).
inline constexpr int IDC_EDIT_MC = 1054;
inline constexpr int IDC_EDIT_MS = 1055;
inline constexpr int IDC_EDIT_MU = 1057;
inline constexpr int IDC_RADIO_BEDROCK_SURFACE = 1060;
inline constexpr int IDC_EDIT_HN = 1065;
inline constexpr int IDC_EDIT_CAP_B = 1068;
inline constexpr int IDC_CALC_COMBINED = 1069;
inline constexpr int IDC_EDIT_VOIDED_L0 = 1073;
inline constexpr int IDC_RADIO_EMBEDDED = 1074;
inline constexpr int IDC_EDIT_ETA_C = 1079;
inline constexpr int IDC_EDIT_CAP_L = 1080;
inline constexpr int IDC_EDIT_RESULT_HC = 1088;
inline constexpr int IDC_EDIT_RESULT_MC = 1089;
inline constexpr int IDC_EDIT_RESULT_NB = 1090;
inline constexpr int IDC_EDIT_RESULT_HB = 1091;
inline constexpr int IDC_EDIT_RESULT_MB = 1092;

// High-cap form.
inline constexpr int IDC_EDIT_MS1 = 1055;
inline constexpr int IDC_EDIT_EXPOSED_L0 = 1057;
inline constexpr int IDC_RADIO_BEDROCK = 1060;
inline constexpr int IDC_CALC_MAX_FORCES = 1069;
inline constexpr int IDC_EDIT_MMAX = 1073;
inline constexpr int IDC_EDIT_X_PILE = 1074;
inline constexpr int IDC_EDIT_Y_MMAX = 1075;
inline constexpr int IDC_EDIT_QMAX = 1081;
inline constexpr int IDC_EDIT_Y_QMAX = 1083;
