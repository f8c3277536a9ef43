#pragma once

// Pictures of the run and the preview, compiled into the program from assets/.
#define IDB_LIGHT_SPOT 200 // 128 x 128, 24 bits: the light's sprite that the run hands to the renderer
#define IDB_PREVIEW 201    // 152 x 112, 24 bits: a still of a run for the preview pane
