# Warnings for the project's own code: every target of ours links dishline_warnings. Qt's, GoogleTest's
# and Google Benchmark's headers come in as system headers and stay quiet; the code moc generates is
# exempted by dishline_quiet_generated_code() below.
#
# Beyond -Wall -Wextra, the warnings the whole tree (product, tests, benchmarks, fuzz targets) is
# clean of with g++ 12; CI checks that, and the core, its tests and the fuzz targets with clang 14.
# Left out because the tree is not clean of them: -Wshadow, -Wconversion, -Wsign-conversion,
# -Wsign-promo and -Wuseless-cast (tests and benchmarks), and -Wnull-dereference (false alarms from
# inlined Qt code at -O2).
option(DISHLINE_WERROR "Turn the warnings of the project's own code into errors (CI)" OFF)

add_library(dishline_warnings INTERFACE)
if(MSVC)
    target_compile_options(dishline_warnings INTERFACE /W4 /utf-8 $<$<BOOL:${DISHLINE_WERROR}>:/WX>)
else()
    target_compile_options(dishline_warnings INTERFACE
        -Wall -Wextra -Wpedantic
        -Wold-style-cast -Wcast-qual -Wcast-align
        -Wnon-virtual-dtor -Woverloaded-virtual -Wsuggest-override
        -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough -Wundef -Wvla
        -Wextra-semi -Wzero-as-null-pointer-constant -Wmissing-declarations -Wredundant-decls -Wmismatched-tags
        $<$<CXX_COMPILER_ID:GNU>:-Wduplicated-cond -Wduplicated-branches -Wlogical-op>
        $<$<BOOL:${DISHLINE_WERROR}>:-Werror>)
    if(MINGW AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
       AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        # MinGW's g++ 12 sees overlapping copies in its own inlined std::string code when it optimizes
        # (GCC bug 105329), and at -O3 a write past the end in std::vector's inlined range insert
        # (GCC bug 106199): false alarms, silenced for that compiler's optimized builds only.
        target_compile_options(dishline_warnings INTERFACE
            $<$<NOT:$<CONFIG:Debug>>:-Wno-restrict -Wno-stringop-overflow>)
    endif()
endif()

# moc's output is compiled within our targets: no warnings of ours apply to it.
function(dishline_quiet_generated_code)
    set(directories ${PROJECT_SOURCE_DIR})
    while(directories)
        list(POP_FRONT directories directory)
        get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
        list(APPEND directories ${subdirectories})
        get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
        foreach(target IN LISTS targets)
            get_target_property(automoc ${target} AUTOMOC)
            if(NOT automoc)
                continue()
            endif()
            get_target_property(autogen_dir ${target} AUTOGEN_BUILD_DIR)
            if(NOT autogen_dir)
                get_target_property(binary_dir ${target} BINARY_DIR)
                set(autogen_dir ${binary_dir}/${target}_autogen)
            endif()
            set_source_files_properties(${autogen_dir}/mocs_compilation.cpp TARGET_DIRECTORY ${target}
                PROPERTIES COMPILE_OPTIONS -w)
        endforeach()
    endwhile()
endfunction()

# Every Qt target of ours gets these through dishline_seams or ndftool_lib: no silent conversion of
# 8-bit strings to or from QString, QByteArray or QUrl, QString concatenation through QStringBuilder,
# no API deprecated before 6.4. The tests (DISHLINE_TEST) may still make a QString of a char literal.
function(dishline_add_qt_definitions)
    if(TARGET dishline_qt_definitions)
        return()
    endif()
    add_library(dishline_qt_definitions INTERFACE)
    target_compile_definitions(dishline_qt_definitions INTERFACE
        $<$<NOT:$<BOOL:$<TARGET_PROPERTY:DISHLINE_TEST>>>:QT_NO_CAST_FROM_ASCII>
        QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY QT_NO_URL_CAST_FROM_STRING QT_USE_QSTRINGBUILDER
        QT_NO_NARROWING_CONVERSIONS_IN_CONNECT QT_NO_FOREACH QT_DISABLE_DEPRECATED_BEFORE=0x060400)
endfunction()
