#pragma once
// The ids of the windows' controls. Each control carries its id as its object
// name (platform/ControlId.h); the numbers are those the recorder has always used.

// Main window
inline constexpr int IDC_TAB = 1000;
inline constexpr int IDC_RECORD = 1020;
inline constexpr int IDC_PAUSE = 1021;
inline constexpr int IDC_STOP = 1022;
inline constexpr int IDC_PLAY = 1023;
inline constexpr int IDC_WAVE = 1024; // never shown: marks where the engine's display goes
inline constexpr int IDC_HELP = 1025;
inline constexpr int IDC_TIME = 1056;
inline constexpr int IDC_SIZE = 1057;
// The level meters beside the trace and their clip flags.
inline constexpr int IDC_LEVEL_LEFT = 1072;
inline constexpr int IDC_LEVEL_RIGHT = 1073;
inline constexpr int IDC_CLIP_LEFT = 1074;
inline constexpr int IDC_CLIP_RIGHT = 1075;

// About page (its Help button is IDC_HELP too)
inline constexpr int IDC_EMAIL = 1029;
inline constexpr int IDC_WEBSITE = 1030;

// Recording options page
inline constexpr int IDC_FILE_PATH = 1005;
inline constexpr int IDC_BROWSE = 1006;
inline constexpr int IDC_DEVICE = 1008;
inline constexpr int IDC_LINE_IN = 1009;
inline constexpr int IDC_SLIDER_LINE_IN = 1010;
inline constexpr int IDC_MICROPHONE = 1011;
inline constexpr int IDC_SLIDER_MIC = 1012;
inline constexpr int IDC_CHANNEL = 1013;
inline constexpr int IDC_LEFT_CHANNEL = 1014;
inline constexpr int IDC_RIGHT_CHANNEL = 1015;
inline constexpr int IDC_FILE_TYPE = 1026;
inline constexpr int IDC_SAMPLE_RATE = 1027;
inline constexpr int IDC_BITS = 1028;
inline constexpr int IDC_NEW_FILE_EVERY = 1070;
inline constexpr int IDC_PART_LENGTH = 1071;
inline constexpr int IDC_MONITOR = 1076;
inline constexpr int IDC_DATED_NAMES = 1090;
inline constexpr int IDC_SKIP_SILENCE = 1093;
inline constexpr int IDC_SILENCE_LEVEL = 1094;
inline constexpr int IDC_SILENCE_AFTER = 1095;
inline constexpr int IDC_FILE_PER_SOUND = 1096;
// The room left on the disk, below the file name.
inline constexpr int IDC_ROOM = 1080;

// Schedule page
inline constexpr int IDC_SCHEDULE_ENABLE = 1003;
inline constexpr int IDC_SCHEDULE_START = 1039;
inline constexpr int IDC_END_AFTER_DURATION = 1041;
inline constexpr int IDC_END_AT_TIME = 1042;
inline constexpr int IDC_START_TIME = 1048;
inline constexpr int IDC_START_DATE = 1049;
inline constexpr int IDC_DURATION = 1050;
inline constexpr int IDC_END_DATE = 1051;
inline constexpr int IDC_END_TIME = 1052;
inline constexpr int IDC_END_LABEL = 1053;
inline constexpr int IDC_CLOCK_LABEL = 1054;
inline constexpr int IDC_CLOCK = 1055;
inline constexpr int IDC_REPEAT = 1091;
inline constexpr int IDC_START_AT_LOGIN = 1092;
// Old takes moved to the trash: the box and its days.
inline constexpr int IDC_KEEP_TAKES = 1110;
inline constexpr int IDC_KEEP_DAYS = 1111;
// The silence warning: the box and its minutes.
inline constexpr int IDC_WARN_SILENCE = 1112;
inline constexpr int IDC_SILENT_FOR = 1113;
