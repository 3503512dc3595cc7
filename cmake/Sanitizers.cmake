# One switch turns on AddressSanitizer and UndefinedBehaviorSanitizer for every target, so the
# product, the host and the tests that load them share one runtime. The vptr check is left out:
# classes of the product and of the host meet across dlopen'ed objects with hidden type
# information, which that check cannot compare.
if(NSHTML_SANITIZE)
  set(_san -fsanitize=address,undefined -fno-sanitize=vptr -fno-sanitize-recover=all
           -fno-omit-frame-pointer)
  add_compile_options(${_san})
  add_link_options(-fsanitize=address,undefined -fno-sanitize=vptr)
endif()

# The fuzz targets (fuzz/) need libFuzzer, which comes with clang. Everything else is compiled
# with libFuzzer's coverage instrumentation but without its main(), so that the code under test
# (the product, the host, the tool's parsers) guides the fuzzers and the test programs link as
# before. Only the fuzz targets link -fsanitize=fuzzer.
if(NSHTML_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "NSHTML_FUZZ needs clang (libFuzzer); configure with "
                        "-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++")
  endif()
  if(NOT NSHTML_SANITIZE)
    message(FATAL_ERROR "NSHTML_FUZZ runs the fuzzers under the sanitizers: turn on NSHTML_SANITIZE")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
