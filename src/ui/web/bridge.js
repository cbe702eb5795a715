// The page's script as the window's C++ calls it: each function hands over to quorvelPage
// (page.js), converting C strings.
mergeInto(LibraryManager.library, {
  qv_build_page: function (description) {
    quorvelPage.build(JSON.parse(UTF8ToString(description)));
  },
  qv_remove_page: function () {
    quorvelPage.remove();
  },
  qv_show_label: function (name, caption, shown, pixelSize, x, baseline, asDesigned, colour,
                          tooltip, accessibleName, description, readout) {
    quorvelPage.showLabel(UTF8ToString(name), {
      caption: UTF8ToString(caption), shown: UTF8ToString(shown), pixelSize, x, baseline,
      asDesigned: !!asDesigned, back: UTF8ToString(colour), tooltip: UTF8ToString(tooltip),
      name: UTF8ToString(accessibleName), description: UTF8ToString(description),
      readout: readout ? UTF8ToString(readout) : null,
    });
  },
  qv_set_line_visible: function (name, visible) {
    quorvelPage.setLineVisible(UTF8ToString(name), !!visible);
  },
  qv_message_box: function (text, title, error) {
    quorvelPage.messageBox(UTF8ToString(text), UTF8ToString(title), error !== 0);
  },
  qv_show_dialog: function (json) {
    quorvelPage.showDialog(UTF8ToString(json));
  },
  qv_option_selected: function (name) {
    return quorvelPage.optionSelected(UTF8ToString(name)) ? 1 : 0;
  },
  qv_focus: function (name) {
    quorvelPage.focus(UTF8ToString(name));
  },
  qv_end_page: function () {
    quorvelPage.end();
  },
  qv_viewport_width: function () {
    return document.documentElement.clientWidth;
  },
  qv_window_scale: function () {
    return quorvelPage.scale();
  },
  qv_copy_text: function (text) {
    quorvelPage.copyText(UTF8ToString(text));
  },
  qv_announce: function (text) {
    quorvelPage.announce(UTF8ToString(text));
  },
  qv_measure: function (name, text, pixelSize, out) {
    const m = quorvelPage.measure(UTF8ToString(name), UTF8ToString(text), pixelSize);
    HEAPF64.set([m.advance, m.inkLeft, m.inkTop, m.inkRight, m.inkBottom, m.ascent], out >> 3);
  },
  qv_read_focus: function (out, size) {
    stringToUTF8(quorvelPage.readFocus(), out, size);
  },
  qv_read: function (what, name, out, size) {
    stringToUTF8(quorvelPage.read(UTF8ToString(what), UTF8ToString(name)), out, size);
  },
});
