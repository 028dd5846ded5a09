# cmake -DPROGRAM=… -DPROGRAM_DIR=… -DPAGE_DIR=… -DICON=… -DFOLDER=… -P write_site.cmake
file(SIZE ${PROGRAM_DIR}/${PROGRAM}.wasm WASM_BYTES)
configure_file(${PAGE_DIR}/index.html.in ${FOLDER}/index.html @ONLY)
foreach(file IN ITEMS ${PAGE_DIR}/ulvane-loader.js ${PAGE_DIR}/screen-fit.js ${PAGE_DIR}/offline.js
                      ${PAGE_DIR}/manifest.webmanifest ${PROGRAM_DIR}/${PROGRAM}.js ${PROGRAM_DIR}/${PROGRAM}.wasm)
    get_filename_component(name ${file} NAME)
    file(COPY_FILE ${file} ${FOLDER}/${name} ONLY_IF_DIFFERENT)
    file(SHA256 ${file} hash)
    string(APPEND hashes ${hash})
endforeach()
file(COPY_FILE ${ICON} ${FOLDER}/ulvane.svg ONLY_IF_DIFFERENT)
# The offline cache is named by what the site holds, so any change is a new release.
string(SHA256 RELEASE "${hashes}")
string(SUBSTRING ${RELEASE} 0 16 RELEASE)
configure_file(${PAGE_DIR}/service-worker.js ${FOLDER}/service-worker.js @ONLY)
