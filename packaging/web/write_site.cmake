# cmake -DPROGRAM=… -DPROGRAM_DIR=… -DPAGE_DIR=… -DICON=… -DFOLDER=… -P write_site.cmake
file(SIZE ${PROGRAM_DIR}/${PROGRAM}.wasm WASM_BYTES)
configure_file(${PAGE_DIR}/index.html.in ${FOLDER}/index.html @ONLY)
foreach(file IN ITEMS ${PAGE_DIR}/ulvane-loader.js ${PAGE_DIR}/screen-fit.js ${PROGRAM_DIR}/${PROGRAM}.js ${PROGRAM_DIR}/${PROGRAM}.wasm)
    get_filename_component(name ${file} NAME)
    file(COPY_FILE ${file} ${FOLDER}/${name} ONLY_IF_DIFFERENT)
endforeach()
file(COPY_FILE ${ICON} ${FOLDER}/ulvane.svg ONLY_IF_DIFFERENT)
