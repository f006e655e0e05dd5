// Resource identifiers shared by vemora.rc and the code.
#pragma once

#define IDI_VEMORA 1
#define IDI_TRAY 2
#define IDI_IMAGE1 3
#define IDB_IMAGEMSG 101
#define IDB_GLYPHS 102
#define IDR_SKIN 201  // RCDATA: the compressed skin block
