# One interface target with the language level, warnings and Qt strictness
# that every target of the project links.
add_library(qor_options INTERFACE)
target_compile_features(qor_options INTERFACE cxx_std_20)
target_compile_options(qor_options INTERFACE
  -Wall -Wextra -Wpedantic -Wno-missing-field-initializers
  -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual
  # Strengths and prices are plain IEEE doubles: rounding ties at .5 must
  # come out exactly, so no fused multiply-add and no fast-math.
  -ffp-contract=off -fno-fast-math)
target_compile_definitions(qor_options INTERFACE
  QT_NO_KEYWORDS QT_NO_CAST_FROM_BYTEARRAY QT_NO_URL_CAST_FROM_STRING
  QT_USE_QSTRINGBUILDER QT_DISABLE_DEPRECATED_BEFORE=0x060000)
target_include_directories(qor_options INTERFACE ${CMAKE_SOURCE_DIR}/src)
set(CMAKE_AUTOMOC ON)

# -DQOR_WERROR=ON (the CI's builds) turns the warnings of the project's own
# targets into errors. GCC's -Wmaybe-uninitialized stays a warning: it fires on
# std::optional<QString> moves that are initialised (a known false positive
# that depends on the optimiser).
option(QOR_WERROR "Treat warnings of the project's own targets as errors" OFF)
if(QOR_WERROR)
  target_compile_options(qor_options INTERFACE -Werror
    $<$<CXX_COMPILER_ID:GNU>:-Wno-error=maybe-uninitialized>)
endif()

# Every text the core and the command-line tool build is spelled out as
# QStringLiteral / QLatin1StringView, never cast from an unknown 8-bit
# encoding. Private to those targets: the widget code does not follow it yet.
add_library(qor_strict_strings INTERFACE)
target_compile_definitions(qor_strict_strings INTERFACE QT_NO_CAST_FROM_ASCII)

# -DQOR_FUZZ=ON (clang only) builds the libFuzzer targets of tests/fuzz; every
# library then carries the coverage the fuzzer steers by.
option(QOR_FUZZ "Build the libFuzzer targets (clang only)" OFF)
if(QOR_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(WARNING "QOR_FUZZ needs clang (-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++); "
                  "only the replay executables are built")
  set(QOR_FUZZ OFF CACHE BOOL "" FORCE)
endif()
if(QOR_FUZZ)
  target_compile_options(qor_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
