# Fails when a product source other than the one that defines them includes a test seam.
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
    ${SOURCE_DIR}/database/*.cpp ${SOURCE_DIR}/database/*.h
    ${SOURCE_DIR}/ui/*.cpp ${SOURCE_DIR}/ui/*.h
    ${SOURCE_DIR}/import/*.cpp ${SOURCE_DIR}/import/*.h
    ${SOURCE_DIR}/forms/*.cpp ${SOURCE_DIR}/forms/*.h
    ${SOURCE_DIR}/shell/*.cpp ${SOURCE_DIR}/shell/*.h
    ${SOURCE_DIR}/channellist/*.cpp ${SOURCE_DIR}/channellist/*.h
    ${SOURCE_DIR}/cli/*.cpp ${SOURCE_DIR}/cli/*.h)
set(offenders "")
foreach(source ${sources})
    if(source MATCHES "^database/(AtomicFile\\.cpp|testing/)")
        continue()
    endif()
    file(STRINGS ${SOURCE_DIR}/${source} hits REGEX "#include \"database/testing/|SetSaveFaultAfterBytes")
    if(hits)
        list(APPEND offenders ${source})
    endif()
endforeach()
if(offenders)
    message(FATAL_ERROR "test seams used by product code: ${offenders}")
endif()
