# The fuzzing build: every library of the program compiled with the
# fuzzer's coverage instrumentation and both sanitizers, in a build folder of
# its own (scripts/fuzz). Included by the top-level CMakeLists.txt when
# KELVOA_FUZZ is on, before any folder is added.
include(CheckCXXSourceCompiles)
set(CMAKE_REQUIRED_FLAGS -fsanitize=fuzzer)
check_cxx_source_compiles([=[
#include <cstddef>
#include <cstdint>
extern "C" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }
]=] KELVOA_HAVE_LIBFUZZER)
unset(CMAKE_REQUIRED_FLAGS)
if(NOT KELVOA_HAVE_LIBFUZZER)
  # Never quietly skipped: CI builds the harnesses so that they cannot break
  # unseen.
  message(FATAL_ERROR "The fuzzing build needs clang with libFuzzer "
                      "(Debian: clang libclang-rt-14-dev); configure with -DCMAKE_CXX_COMPILER=clang++")
endif()
# -O1 and line tables only: the build is done on every CI run, and a finding
# is replayed from its artifact to be understood.
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                    -fno-omit-frame-pointer -O1 -gline-tables-only)
add_link_options(-fsanitize=address,undefined)
