# Makes the .deb in a folder of its own and runs Debian's lintian on it: any error or warning
# fails. Run as: cmake -DBUILD_DIR=... -DOUT=... -DCPACK=... -DLINTIAN=... -P <this file>

file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CPACK} -G DEB -B ${OUT} --config ${BUILD_DIR}/CPackConfig.cmake
    OUTPUT_VARIABLE made ERROR_VARIABLE made RESULT_VARIABLE failed)
file(GLOB packages ${OUT}/*.deb)
if(failed OR NOT packages)
    message(FATAL_ERROR "cpack failed:\n${made}")
endif()
execute_process(COMMAND ${LINTIAN} --fail-on error,warning ${packages}
    OUTPUT_VARIABLE told ERROR_VARIABLE told RESULT_VARIABLE failed)
message("${told}")
if(failed)
    message(FATAL_ERROR "lintian found errors or warnings in ${packages}")
endif()
