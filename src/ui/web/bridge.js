// The page's script as the window's C++ calls it: each function hands over to quorvelPage
// (page.js), converting C strings.
mergeInto(LibraryManager.library, {
  qv_build_page: function (description) {
    quorvelPage.build(JSON.parse(UTF8ToString(description)));
  },
  qv_remove_page: function () {
    quorvelPage.remove();
  },
  qv_show_caption: function (name, caption, shown, pixelSize, x, baseline, asDesigned, shortened) {
    quorvelPage.showCaption(UTF8ToString(name), UTF8ToString(caption), UTF8ToString(shown),
                            {pixelSize, x, baseline, asDesigned: !!asDesigned, shortened: !!shortened});
  },
  qv_set_back: function (name, colour) {
    quorvelPage.setBack(UTF8ToString(name), UTF8ToString(colour));
  },
  qv_set_line_visible: function (name, visible) {
    quorvelPage.setLineVisible(UTF8ToString(name), !!visible);
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
  qv_announce: function (text) {
    quorvelPage.announce(UTF8ToString(text));
  },
  qv_measure: function (name, text, pixelSize, out) {
    const m = quorvelPage.measure(UTF8ToString(name), UTF8ToString(text), pixelSize);
    HEAPF64.set([m.advance, m.inkLeft, m.inkTop, m.inkRight, m.inkBottom, m.ascent], out >> 3);
  },
  qv_read_caption: function (name, out, size) {
    stringToUTF8(quorvelPage.readCaption(UTF8ToString(name)), out, size);
  },
  qv_read_back: function (name) {
    return quorvelPage.readBack(UTF8ToString(name)) >>> 0;
  },
  qv_read_line_visible: function (name) {
    return quorvelPage.readLineVisible(UTF8ToString(name)) ? 1 : 0;
  },
  qv_read_focus: function (out, size) {
    stringToUTF8(quorvelPage.readFocus(), out, size);
  },
});
