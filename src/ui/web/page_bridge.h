#pragma once

// The page's script, as the window calls it (bridge.js). Names are control names; texts are
// UTF-8.
extern "C" {
void qv_build_page(const char* description);
void qv_remove_page();
// A label as the session laid it out; an empty colour is the window's background.
void qv_show_label(const char* name, const char* caption, const char* shown, double pixelSize,
                   double x, double baseline, int asDesigned, const char* cssColour,
                   const char* tooltip, const char* accessibleName, const char* description,
                   const char* typingReadout);
void qv_set_line_visible(const char* name, int visible);
// Opens a box or a secondary window (its description as JSON) and returns at once; the page
// calls qv_modal_closed when the user has closed it.
void qv_message_box(const char* text, const char* title, int error);
void qv_show_dialog(const char* json);
int qv_option_selected(const char* name);
void qv_focus(const char* name);
void qv_end_page();
void qv_announce(const char* text);
// The width of the page's viewport in CSS pixels.
int qv_viewport_width();
// The scale the page draws the window at, as the program's window fit decided.
double qv_window_scale();
void qv_copy_text(const char* text);
// Fills out with advance, ink left, top, right, bottom and ascent, in pixels.
void qv_measure(const char* name, const char* text, double pixelSize, double* out);
void qv_read_focus(char* out, int size);
// What the page shows, read back for the scenario runner: of the control name, what is one of
// caption, shown, tooltip, name (the label's), back (#RRGGBB as painted), visible (1 or 0);
// "announced" gives what the live region said since the last read, one line each.
void qv_read(const char* what, const char* name, char* out, int size);
}
