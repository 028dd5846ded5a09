# cmake -DPROGRAM=… -DPROGRAM_DIR=… -DPAGE_DIR=… -DICON=… -DFOLDER=… -P write_site.cmake
#
# The one list of what the site holds: the service worker caches it and
# tools/package-web ships the folder as it is.
cmake_policy(VERSION 3.25)

# The page fetches the program packed, so that a server that compresses nothing
# still sends a third of it: brotli where the browser unpacks it, gzip elsewhere. The
# plain files stay beside them for one that compresses itself.
set(wasm ${PROGRAM_DIR}/${PROGRAM}.wasm)
file(MAKE_DIRECTORY ${FOLDER})
set(site index.html ulvane.svg)
foreach(file IN ITEMS ${wasm} ${PROGRAM_DIR}/${PROGRAM}.js)
    get_filename_component(name ${file} NAME)
    foreach(packer IN ITEMS "gz;gzip;-9;-n" "br;brotli;-q;11")
        list(POP_FRONT packer suffix)
        if(NOT EXISTS ${FOLDER}/${name}.${suffix} OR ${file} IS_NEWER_THAN ${FOLDER}/${name}.${suffix})
            execute_process(COMMAND ${packer} -c ${file} OUTPUT_FILE ${FOLDER}/${name}.${suffix}
                            COMMAND_ERROR_IS_FATAL ANY)
        endif()
        list(APPEND site ${name}.${suffix})
    endforeach()
endforeach()
file(SIZE ${wasm} WASM_BYTES)
file(SIZE ${FOLDER}/${PROGRAM}.wasm.gz GZIP_BYTES)
file(SIZE ${FOLDER}/${PROGRAM}.wasm.br BROTLI_BYTES)
configure_file(${PAGE_DIR}/index.html.in ${FOLDER}/index.html @ONLY)
foreach(file IN ITEMS ${PAGE_DIR}/ulvane-loader.js ${PAGE_DIR}/packing.js ${PAGE_DIR}/scorm.js
                      ${PAGE_DIR}/screen-fit.js ${PAGE_DIR}/offline.js ${PAGE_DIR}/manifest.webmanifest
                      ${PROGRAM_DIR}/${PROGRAM}.js ${PROGRAM_DIR}/${PROGRAM}.wasm)
    get_filename_component(name ${file} NAME)
    file(COPY_FILE ${file} ${FOLDER}/${name} ONLY_IF_DIFFERENT)
    list(APPEND site ${name})
endforeach()
file(COPY_FILE ${ICON} ${FOLDER}/ulvane.svg ONLY_IF_DIFFERENT)

# What an older build left behind would otherwise ship and be cached.
file(GLOB present RELATIVE ${FOLDER} ${FOLDER}/*)
list(REMOVE_ITEM present service-worker.js)
foreach(name IN LISTS present)
    if(NOT name IN_LIST site)
        file(REMOVE_RECURSE ${FOLDER}/${name})
    endif()
endforeach()

# The offline cache is named by what the site holds, so any change is a new release.
foreach(name IN LISTS site)
    file(SHA256 ${FOLDER}/${name} hash)
    string(APPEND hashes ${hash})
endforeach()
string(SHA256 RELEASE "${hashes}")
string(SUBSTRING ${RELEASE} 0 16 RELEASE)
# The plain files are only for browsers without DecompressionStream; the worker keeps
# them when such a browser fetches them rather than making every device store both,
# and of the packed ones only those its browser unpacks.
set(cached ${site})
list(REMOVE_ITEM cached ${PROGRAM}.js ${PROGRAM}.wasm)
list(JOIN cached " " CACHED_FILES)
configure_file(${PAGE_DIR}/service-worker.js ${FOLDER}/service-worker.js @ONLY)
