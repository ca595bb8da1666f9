/* Resource identifiers of Brintel.exe, shared by brintel.rc and the C++ code. */
#ifndef TARNWICK_RESOURCE_IDS_H
#define TARNWICK_RESOURCE_IDS_H

#define IDI_APP 1

#define IDB_SKIN_ATLAS 101
#define IDB_STRIP_NORMAL 102
#define IDB_STRIP_MIN_HOT 103
#define IDB_STRIP_MIN_DOWN 104
#define IDB_STRIP_CLOSE_HOT 105
#define IDB_STRIP_CLOSE_DOWN 106
#define IDB_BANNER 107

#endif
