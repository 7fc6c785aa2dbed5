#pragma once
// Resource identifiers of the host, shared by the resource script and the code.

#define IDS_DESCRIPTION 1  // the name the system lists the screensaver under
#define IDB_PREVIEW 101    // the still picture of the preview pane, 152 x 112
#define IDR_RING_FIRST 201  // the five ring pictures, JPEG: 201 to 205
#define IDI_WAVORIN 100        // the window icon, 32 x 32, 256 colours
#define IDB_BANNER 301         // the 24 banner frames, 120 x 50 each, one below the other
#define IDB_OPTION_OFF 302     // option glyph, not selected, 12 x 12
#define IDB_OPTION_ON 303      // option glyph, selected
#define IDR_BANNER_CURSOR 304  // the banner boxes' cursor
