# cmake -DPROGRAM=… -DPROGRAM_DIR=… -DPAGE_DIR=… -DICON=… -DFOLDER=… -P write_site.cmake
set(wasm ${PROGRAM_DIR}/${PROGRAM}.wasm)
# The page fetches the program packed, so that a server that compresses nothing
# still sends a third of it; the .wasm stays beside it for one that does.
if(NOT EXISTS ${FOLDER}/${PROGRAM}.wasm.gz OR ${wasm} IS_NEWER_THAN ${FOLDER}/${PROGRAM}.wasm.gz)
    file(MAKE_DIRECTORY ${FOLDER})
    execute_process(COMMAND gzip -9 -n -c ${wasm} OUTPUT_FILE ${FOLDER}/${PROGRAM}.wasm.gz COMMAND_ERROR_IS_FATAL ANY)
endif()
file(SIZE ${wasm} WASM_BYTES)
file(SIZE ${FOLDER}/${PROGRAM}.wasm.gz GZIP_BYTES)
configure_file(${PAGE_DIR}/index.html.in ${FOLDER}/index.html @ONLY)
foreach(file IN ITEMS ${PAGE_DIR}/ulvane-loader.js ${PAGE_DIR}/scorm.js ${PROGRAM_DIR}/${PROGRAM}.js ${PROGRAM_DIR}/${PROGRAM}.wasm)
    get_filename_component(name ${file} NAME)
    file(COPY_FILE ${file} ${FOLDER}/${name} ONLY_IF_DIFFERENT)
endforeach()
file(COPY_FILE ${ICON} ${FOLDER}/ulvane.svg ONLY_IF_DIFFERENT)
