# Assembles the web page into one folder of static files: the page, its script and style, the
# compiled program, the icons, the web app manifest and the service worker, whose cache name
# changes with every file it serves.
#   cmake -DSOURCE=src/ui/web/site -DPROGRAM=<dir of quorvel.js> -DICONS=<icons dir> -DOUT=<site>
#         -DVERSION=1.2.0 -P web_site.cmake
file(MAKE_DIRECTORY "${OUT}/icons")
set(files
    "${SOURCE}/index.html" "${SOURCE}/page.css" "${SOURCE}/box.js" "${SOURCE}/working.js" "${SOURCE}/page.js"
    "${SOURCE}/keys.js" "${SOURCE}/scenario.js"
    "${PROGRAM}/quorvel.js" "${PROGRAM}/quorvel.wasm")
file(COPY ${files} DESTINATION "${OUT}")
foreach(size 32 128 256)
    file(COPY_FILE "${ICONS}/hicolor/${size}x${size}/apps/io.github.quorvel.Quorvel.png"
         "${OUT}/icons/quorvel-${size}.png" ONLY_IF_DIFFERENT)
endforeach()
set(PROJECT_VERSION "${VERSION}")
configure_file("${SOURCE}/quorvel.webmanifest.in" "${OUT}/quorvel.webmanifest" @ONLY)

set(contents "")
foreach(name index.html page.css box.js working.js page.js keys.js scenario.js quorvel.js quorvel.wasm
             quorvel.webmanifest)
    file(SHA256 "${OUT}/${name}" hash)
    string(APPEND contents "${hash}")
endforeach()
string(SHA256 build_id "${contents}")
string(SUBSTRING "${build_id}" 0 12 build_id)
set(QUORVEL_WEB_BUILD_ID "${VERSION}-${build_id}")
configure_file("${SOURCE}/sw.js.in" "${OUT}/sw.js" @ONLY)
