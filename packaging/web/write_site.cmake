# cmake -DPROGRAM=… -DPROGRAM_DIR=… -DPAGE_DIR=… -DICON=… -DFOLDER=… -P write_site.cmake
#
# The one list of what the site holds: the service worker caches it and
# tools/package-web ships the folder as it is.
cmake_policy(VERSION 3.25)

# The page fetches the program packed, so that a server that compresses nothing
# still sends a third of it; the plain files stay beside it for one that does.
set(wasm ${PROGRAM_DIR}/${PROGRAM}.wasm)
file(MAKE_DIRECTORY ${FOLDER})
foreach(file IN ITEMS ${wasm} ${PROGRAM_DIR}/${PROGRAM}.js)
    get_filename_component(name ${file} NAME)
    if(NOT EXISTS ${FOLDER}/${name}.gz OR ${file} IS_NEWER_THAN ${FOLDER}/${name}.gz)
        execute_process(COMMAND gzip -9 -n -c ${file} OUTPUT_FILE ${FOLDER}/${name}.gz COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
file(SIZE ${wasm} WASM_BYTES)
file(SIZE ${FOLDER}/${PROGRAM}.wasm.gz GZIP_BYTES)
configure_file(${PAGE_DIR}/index.html.in ${FOLDER}/index.html @ONLY)
set(site index.html ${PROGRAM}.js.gz ${PROGRAM}.wasm.gz ulvane.svg)
foreach(file IN ITEMS ${PAGE_DIR}/ulvane-loader.js ${PAGE_DIR}/scorm.js ${PAGE_DIR}/screen-fit.js
                      ${PAGE_DIR}/offline.js ${PAGE_DIR}/manifest.webmanifest
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
# them when such a browser fetches them rather than making every device store both.
set(cached ${site})
list(REMOVE_ITEM cached ${PROGRAM}.js ${PROGRAM}.wasm)
list(JOIN cached " " CACHED_FILES)
configure_file(${PAGE_DIR}/service-worker.js ${FOLDER}/service-worker.js @ONLY)
