# Assembles the web page into one folder of static files. Every file the page loads, but the
# page itself, its manifest and the service worker, is named by its content
# (assets/page.1a2b3c4d5e6f.js): a host may let browsers keep those for a year, and a page can
# never run one release's script with another's. The service worker's cache name changes with
# every file it serves. A test build also carries the scenario runner (scenario.js).
#   cmake -DSOURCE=src/ui/web/site -DPROGRAM=<dir of quorvel.js> -DICONS=<icons dir> -DOUT=<site>
#         -DVERSION=1.2.0 -DHOOKS=ON|OFF -DTERSER=/usr/bin/terser -P web_site.cmake
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}/assets" "${OUT}/icons")

# integrity_of(FILE VAR): VAR = "sha256-" and the SHA-256 of FILE in base64, the digest as a
# script's integrity attribute names it (and as the page and the service worker check it).
function(integrity_of file var)
    file(SHA256 "${file}" hex)
    set(alphabet "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/")
    set(text "sha256-")
    # 32 bytes: ten groups of three bytes, four characters each, then two bytes and one "=".
    foreach(at RANGE 0 63 6)
        string(SUBSTRING "${hex}" ${at} 6 group)
        string(LENGTH "${group}" digits)
        math(EXPR value "0x${group}")
        if(digits EQUAL 4)
            math(EXPR value "${value} << 2")
            set(shifts 12 6 0)
        else()
            set(shifts 18 12 6 0)
        endif()
        foreach(shift IN LISTS shifts)
            math(EXPR index "(${value} >> ${shift}) & 63")
            string(SUBSTRING "${alphabet}" ${index} 1 character)
            string(APPEND text "${character}")
        endforeach()
    endforeach()
    set(${var} "${text}=" PARENT_SCOPE)
endfunction()

# minify(IN OUT OPTION...): IN minified by terser into OUT, with terser's further OPTIONs.
function(minify in out)
    execute_process(
        COMMAND "${TERSER}" "${in}" --ecma 2020 --compress ${ARGN} --output "${out}"
        RESULT_VARIABLE minified)
    if(NOT minified EQUAL 0)
        message(FATAL_ERROR "terser could not minify ${in}")
    endif()
endfunction()

# content_named(FILE VAR): copies FILE into assets/ under a name with its hash; VAR = that name,
# VAR_INTEGRITY = its digest.
function(content_named file var)
    file(SHA256 "${file}" hash)
    string(SUBSTRING "${hash}" 0 12 hash)
    get_filename_component(stem "${file}" NAME_WLE)
    get_filename_component(extension "${file}" LAST_EXT)
    set(name "assets/${stem}.${hash}${extension}")
    file(COPY_FILE "${file}" "${OUT}/${name}")
    set(${var} "${name}" PARENT_SCOPE)
    integrity_of("${file}" integrity)
    set(${var}_INTEGRITY "${integrity}" PARENT_SCOPE)
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
minify("${bundle_dir}/page.source.js" "${bundle_dir}/page.js" --mangle)
content_named("${bundle_dir}/page.js" PAGE_JS)
set(SCRIPTS "<script src=\"${PAGE_JS}\" integrity=\"${PAGE_JS_INTEGRITY}\" defer></script>\n")

# The guard that watches the load, written into the page itself so that it is there whatever
# fails to arrive; it checks files as the service worker does, with the same script.
file(READ "${SOURCE}/fetch_checked.js" fetch_checked)
file(READ "${SOURCE}/load_guard.js" guard)
file(WRITE "${bundle_dir}/guard.source.js" "${fetch_checked}\n${guard}")
minify("${bundle_dir}/guard.source.js" "${bundle_dir}/guard.js" --mangle)
file(READ "${bundle_dir}/guard.js" GUARD)
string(STRIP "${GUARD}" GUARD)
# How long a load may go without a file arriving before the page gives up; a test build waits
# less, so that its tests of a stalled server are quick.
if(HOOKS)
    set(QUORVEL_LOAD_STALL_MS 5000)
else()
    set(QUORVEL_LOAD_STALL_MS 20000)
endif()
# The style likewise, without its comments and indentation.
file(READ "${SOURCE}/page.css" style)
string(REGEX REPLACE "/\\*[^*]*\\*+([^/*][^*]*\\*+)*/" "" style "${style}")
string(REGEX REPLACE "\n[ \t]+" "\n" style "${style}")
string(REGEX REPLACE "\n\n+" "\n" style "${style}")
file(WRITE "${bundle_dir}/page.css" "${style}")
content_named("${bundle_dir}/page.css" PAGE_CSS)
# emscripten's loader too, its own top-level names as well but Module, which the page's
# scripts set and read.
minify("${PROGRAM}/quorvel.js" "${bundle_dir}/quorvel.js" --toplevel
       --mangle "reserved=['Module']")
content_named("${bundle_dir}/quorvel.js" PROGRAM_JS)
content_named("${PROGRAM}/quorvel.wasm" PROGRAM_WASM)
# The page's release: its version, its files and its own text, so that a page can tell whether
# the service worker serves it or a later one.
get_property(assets GLOBAL PROPERTY site_assets)
file(SHA256 "${SOURCE}/index.html.in" page_template)
string(SHA256 QUORVEL_PAGE_RELEASE "${VERSION} ${assets} ${page_template} ${GUARD}")
string(SUBSTRING "${QUORVEL_PAGE_RELEASE}" 0 12 QUORVEL_PAGE_RELEASE)
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
    integrity_of("${OUT}/${name}" integrity)
    string(APPEND QUORVEL_SITE_FILES "  ['${name}', '${integrity}'],\n")
endforeach()
string(SHA256 build_id "${contents}")
string(SUBSTRING "${build_id}" 0 12 build_id)
set(QUORVEL_WEB_BUILD_ID "${VERSION}-${build_id}")
configure_file("${SOURCE}/sw.js.in" "${bundle_dir}/sw.js" @ONLY)
file(READ "${bundle_dir}/sw.js" worker)
file(WRITE "${OUT}/sw.js" "${fetch_checked}\n${worker}")
