# Fails when a source outside the message-box seam uses QMessageBox directly.
file(GLOB_RECURSE sources
    ${SOURCE_DIR}/database/*.cpp ${SOURCE_DIR}/database/*.h
    ${SOURCE_DIR}/ui/*.cpp ${SOURCE_DIR}/ui/*.h
    ${SOURCE_DIR}/import/*.cpp ${SOURCE_DIR}/import/*.h
    ${SOURCE_DIR}/forms/*.cpp ${SOURCE_DIR}/forms/*.h
    ${SOURCE_DIR}/shell/*.cpp ${SOURCE_DIR}/shell/*.h
    ${SOURCE_DIR}/channellist/*.cpp ${SOURCE_DIR}/channellist/*.h
    ${SOURCE_DIR}/cli/*.cpp ${SOURCE_DIR}/cli/*.h)
set(offenders "")
foreach(source ${sources})
    if(source MATCHES "/ui/MessageBox\\.(cpp|h)$")
        continue()
    endif()
    file(STRINGS ${source} hits REGEX "QMessageBox")
    if(hits)
        list(APPEND offenders ${source})
    endif()
endforeach()
if(offenders)
    message(FATAL_ERROR "QMessageBox used outside ui/MessageBox: ${offenders}")
endif()
