#pragma once

// The page's script, as the window calls it (bridge.js). Names are control names; texts are
// UTF-8.
extern "C" {
void qv_build_page(const char* description);
void qv_remove_page();
void qv_show_caption(const char* name, const char* caption, const char* shown, double pixelSize,
                     double x, double baseline, int asDesigned, int shortened);
void qv_set_back(const char* name, const char* cssColour);
void qv_set_line_visible(const char* name, int visible);
int qv_option_selected(const char* name);
void qv_focus(const char* name);
void qv_end_page();
void qv_announce(const char* text);
// Fills out with advance, ink left, top, right, bottom and ascent, in pixels.
void qv_measure(const char* name, const char* text, double pixelSize, double* out);
// What the page shows, read back for the scenario runner.
void qv_read_caption(const char* name, char* out, int size);
unsigned qv_read_back(const char* name);
int qv_read_line_visible(const char* name);
void qv_read_focus(char* out, int size);
}
