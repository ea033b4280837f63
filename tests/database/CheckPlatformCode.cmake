# Fails when a source of the core other than the platform file has a conditional of the
# preprocessor: what differs between systems stays in database/AtomicFile.cpp.
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
    ${SOURCE_DIR}/database/*.cpp ${SOURCE_DIR}/database/*.h
    ${SOURCE_DIR}/import/*.cpp ${SOURCE_DIR}/import/*.h)
set(offenders "")
foreach(source ${sources})
    if(source STREQUAL "database/AtomicFile.cpp")
        continue()
    endif()
    file(STRINGS ${SOURCE_DIR}/${source} hits REGEX "^[ \t]*#[ \t]*(if|ifdef|ifndef|elif)[ \t(]")
    if(hits)
        list(APPEND offenders ${source})
    endif()
endforeach()
if(offenders)
    message(FATAL_ERROR "platform conditionals outside database/AtomicFile.cpp: ${offenders}")
endif()
