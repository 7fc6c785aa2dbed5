#pragma once
// Resource identifiers of the host, shared by the resource script and the code.

#define IDS_DESCRIPTION 1  // the name the system lists the screensaver under
#define IDB_PREVIEW 101    // the still picture of the preview pane, 152 x 112
#define IDR_RING_FIRST 201  // the five ring pictures, JPEG: 201 to 205
