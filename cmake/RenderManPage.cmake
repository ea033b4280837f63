# Turns an scdoc source into a manual page compressed as Debian ships them (gzip -9n: no name, no time).
# Usage: cmake -DSCDOC=<scdoc> -DGZIP=<gzip> -DSOURCE=<page.scd> -DOUTPUT=<page.1.gz> -P RenderManPage.cmake
get_filename_component(page "${OUTPUT}" NAME_WLE)
get_filename_component(folder "${OUTPUT}" DIRECTORY)
execute_process(COMMAND "${SCDOC}" INPUT_FILE "${SOURCE}" OUTPUT_FILE "${folder}/${page}" COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND "${GZIP}" -9nf "${folder}/${page}" COMMAND_ERROR_IS_FATAL ANY)
