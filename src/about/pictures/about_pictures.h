#pragma once

// The About window's picture (Image1) and the glyph of its OK button, icon
// resources of the program. Replacing the artwork means replacing
// about_picture.ico and ok_glyph.ico beside this file.
#define VANTREL_ABOUT_PICTURE 20
#define VANTREL_OK_GLYPH 21
