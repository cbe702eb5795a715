# Assembles the web page into one folder of static files. Every file the page loads, but the
# page itself, its manifest and the service worker, is named by its content
# (assets/page.1a2b3c4d5e6f.js): a host may let browsers keep those for a year, and a page can
# never run one release's script with another's. The service worker's cache name changes with
# every file it serves. A test build also carries the scenario runner (scenario.js).
#   cmake -DSOURCE=src/ui/web/site -DPROGRAM=<dir of quorvel.js> -DICONS=<icons dir> -DOUT=<site>
#         -DVERSION=1.2.0 -DHOOKS=ON|OFF -DTERSER=/usr/bin/terser -P web_site.cmake
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}/assets" "${OUT}/icons")

# content_named(FILE VAR): copies FILE into assets/ under a name with its hash; VAR = that name.
function(content_named file var)
    file(SHA256 "${file}" hash)
    string(SUBSTRING "${hash}" 0 12 hash)
    get_filename_component(stem "${file}" NAME_WLE)
    get_filename_component(extension "${file}" LAST_EXT)
    set(name "assets/${stem}.${hash}${extension}")
    file(COPY_FILE "${file}" "${OUT}/${name}")
    set(${var} "${name}" PARENT_SCOPE)
    set_property(GLOBAL APPEND PROPERTY site_assets "${name}")
endfunction()

# The scripts in the order they run, as one file, minified: one request instead of seven, and
# less than a quarter of their size to download. start.js, last, loads the program. The top-level
# names stay as they are, because the scripts call one another by them.
set(scripts box.js dialog.js controls.js clipboard.js page.js keys.js)
if(HOOKS)
    list(APPEND scripts scenario.js)
endif()
list(APPEND scripts start.js)
set(bundle "")
foreach(script IN LISTS scripts)
    file(READ "${SOURCE}/${script}" text)
    string(APPEND bundle "${text}\n")
endforeach()
set(bundle_dir "${OUT}/../site-scripts")
file(MAKE_DIRECTORY "${bundle_dir}")
file(WRITE "${bundle_dir}/page.source.js" "${bundle}")
# Debian's terser runs under Debian's node, whose modules are there.
set(ENV{NODE_PATH} "/usr/share/nodejs")
execute_process(
    COMMAND "${TERSER}" "${bundle_dir}/page.source.js" --ecma 2020 --compress --mangle
            --output "${bundle_dir}/page.js"
    RESULT_VARIABLE minified)
if(NOT minified EQUAL 0)
    message(FATAL_ERROR "terser could not minify the page's scripts")
endif()
content_named("${bundle_dir}/page.js" PAGE_JS)
set(SCRIPTS "<script src=\"${PAGE_JS}\" defer></script>\n")
# The style likewise, without its comments and indentation.
file(READ "${SOURCE}/page.css" style)
string(REGEX REPLACE "/\\*[^*]*\\*+([^/*][^*]*\\*+)*/" "" style "${style}")
string(REGEX REPLACE "\n[ \t]+" "\n" style "${style}")
string(REGEX REPLACE "\n\n+" "\n" style "${style}")
file(WRITE "${bundle_dir}/page.css" "${style}")
content_named("${bundle_dir}/page.css" PAGE_CSS)
# emscripten's loader too, its own top-level names as well but Module, which the page's
# scripts set and read.
execute_process(
    COMMAND "${TERSER}" "${PROGRAM}/quorvel.js" --ecma 2020 --compress --toplevel
            --mangle "reserved=['Module']" --output "${bundle_dir}/quorvel.js"
    RESULT_VARIABLE minified)
if(NOT minified EQUAL 0)
    message(FATAL_ERROR "terser could not minify the program's loader")
endif()
content_named("${bundle_dir}/quorvel.js" PROGRAM_JS)
content_named("${PROGRAM}/quorvel.wasm" PROGRAM_WASM)
configure_file("${SOURCE}/index.html.in" "${OUT}/index.html" @ONLY)

foreach(size 32 128 256)
    file(COPY_FILE "${ICONS}/hicolor/${size}x${size}/apps/io.github.quorvel.Quorvel.png"
         "${OUT}/icons/quorvel-${size}.png")
endforeach()
set(PROJECT_VERSION "${VERSION}")
configure_file("${SOURCE}/quorvel.webmanifest.in" "${OUT}/quorvel.webmanifest" @ONLY)
# What the common static hosts read for their headers (Netlify, Cloudflare Pages).
file(COPY_FILE "${SOURCE}/_headers" "${OUT}/_headers")

# The service worker keeps exactly these files, under a name made of all their contents.
get_property(assets GLOBAL PROPERTY site_assets)
set(files index.html quorvel.webmanifest icons/quorvel-32.png icons/quorvel-128.png
          icons/quorvel-256.png ${assets})
set(contents "")
set(QUORVEL_SITE_FILES "")
foreach(name IN LISTS files)
    file(SHA256 "${OUT}/${name}" hash)
    string(APPEND contents "${hash}")
    string(APPEND QUORVEL_SITE_FILES "  '${name}',\n")
endforeach()
string(SHA256 build_id "${contents}")
string(SUBSTRING "${build_id}" 0 12 build_id)
set(QUORVEL_WEB_BUILD_ID "${VERSION}-${build_id}")
configure_file("${SOURCE}/sw.js.in" "${OUT}/sw.js" @ONLY)
