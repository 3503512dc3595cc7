# The script engine, duktape, compiled here from the one-file source that Debian's duktape-dev
# ships (/usr/share/duktape) instead of linked from the packaged library: that library is built
# without the execution-time check through which the host stops a script that runs too long.
# The source is compiled with a configuration header of ours that includes the packaged one
# and adds the check; the host's sources include the engine's header from the same folder, so
# both sides see one configuration. The engine is compiled for the tree's architecture, so the
# i386 tree needs no i386 duktape package. It stays inside libgeckohost.so.
#   target: geckohost_duktape
find_file(DUKTAPE_SOURCE duktape.c PATHS /usr/share/duktape NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
  REQUIRED)
get_filename_component(DUKTAPE_SOURCE_DIR "${DUKTAPE_SOURCE}" DIRECTORY)
set(DUKTAPE_PACKAGED_CONFIG "${DUKTAPE_SOURCE_DIR}/duk_config.h")

# duktape.c includes "duktape.h", which includes "duk_config.h": both are looked up beside the
# including file first, so the copies and our header share one folder.
set(_duktape_dir "${PROJECT_BINARY_DIR}/duktape")
configure_file("${DUKTAPE_SOURCE}" "${_duktape_dir}/duktape.c" COPYONLY)
configure_file("${DUKTAPE_SOURCE_DIR}/duktape.h" "${_duktape_dir}/duktape.h" COPYONLY)
configure_file("${PROJECT_SOURCE_DIR}/platform/gecko/host/script/engine/duk_config.h.in"
  "${_duktape_dir}/duk_config.h" @ONLY)

add_library(geckohost_duktape STATIC "${_duktape_dir}/duktape.c")
set_target_properties(geckohost_duktape PROPERTIES
  POSITION_INDEPENDENT_CODE ON
  C_VISIBILITY_PRESET hidden)
target_include_directories(geckohost_duktape SYSTEM PUBLIC "${_duktape_dir}")
target_link_libraries(geckohost_duktape PRIVATE m)
# The engine is third-party C that leans on pointer arithmetic the C standard leaves undefined
# (offsets added to null bases): UBSan would stop every page with script. Its memory use stays
# under AddressSanitizer with the rest of the tree.
if(NSHTML_SANITIZE)
  target_compile_options(geckohost_duktape PRIVATE -fno-sanitize=undefined)
endif()
