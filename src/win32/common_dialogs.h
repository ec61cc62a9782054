#pragma once

#include <windows.h>
#include <commdlg.h>

namespace vantrel::win32 {

// The system's font, colour and open-file dialogs. Their library is loaded
// the first time one opens rather than with the program: under Wine it
// brings the printing system (CUPS with its TLS and Kerberos libraries,
// some 4 MB) into every start for dialogs most runs never show. Each
// answers FALSE, as a cancelled dialog does, when the library or the
// function cannot be had.
BOOL choose_font_dialog(CHOOSEFONTW& dialog);
BOOL choose_colour_dialog(CHOOSECOLORW& dialog);
BOOL open_file_dialog(OPENFILENAMEW& dialog);

}  // namespace vantrel::win32
