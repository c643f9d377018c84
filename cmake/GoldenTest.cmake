# golden_test(<program> <case>
#             [STDIN <text>]
#             [INPUT <text> | INPUT_FILE <file> | INPUT_DIR]
#             [STDOUT <text> | STDOUT_FILE <file> | STDOUT_FULL]
#             [STDERR <text>]
#             [STATUS <code>])
#
# Adds the test <program>.<case>: the program runs once in a fresh, empty
# working directory with STDIN as its standard input (empty when not given)
# and its standard output, standard error and exit status are compared byte
# for byte with STDOUT, STDERR and STATUS (empty, empty and 0 when not
# given).
#
# INPUT writes its text to "input.dat" in that directory, INPUT_FILE copies
# a file there, INPUT_DIR puts a directory by that name in its place.
# STDOUT_FILE names a file holding the expected standard output.
# STDOUT_FULL sends standard output to /dev/full, where every write fails,
# and leaves it uncompared. Relative file names are taken from the calling
# folder's golden/ folder.
#
# GOLDEN_LAUNCHER, a list, is put in front of the program (valgrind, an
# emulator); it defaults to CMAKE_CROSSCOMPILING_EMULATOR. GOLDEN_TIMEOUT
# bounds each case in seconds.

set(GOLDEN_LAUNCHER "${CMAKE_CROSSCOMPILING_EMULATOR}" CACHE STRING
  "Command put in front of every program the golden tests run")
set(GOLDEN_TIMEOUT 10 CACHE STRING "Seconds each golden test may run")

set(_golden_runner "${CMAKE_CURRENT_LIST_DIR}/RunGolden.cmake")

function(golden_test program case)
  cmake_parse_arguments(PARSE_ARGV 2 arg
    "INPUT_DIR;STDOUT_FULL"
    "STDIN;INPUT;INPUT_FILE;STDOUT;STDOUT_FILE;STDERR;STATUS"
    "")
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "golden_test(${program} ${case}): unknown arguments ${arg_UNPARSED_ARGUMENTS}")
  endif()

  set(name "${program}.${case}")
  set(dir "${CMAKE_CURRENT_BINARY_DIR}/golden/${name}")
  set(golden "${CMAKE_CURRENT_SOURCE_DIR}/golden")

  # Inline texts become files, so the runner only ever compares files.
  file(WRITE "${dir}/expected/stdin" "${arg_STDIN}")
  file(WRITE "${dir}/expected/stdout" "${arg_STDOUT}")
  file(WRITE "${dir}/expected/stderr" "${arg_STDERR}")
  set(stdout "${dir}/expected/stdout")
  set(full "")
  if(DEFINED arg_STDOUT_FILE)
    cmake_path(ABSOLUTE_PATH arg_STDOUT_FILE BASE_DIRECTORY "${golden}" OUTPUT_VARIABLE stdout)
  elseif(arg_STDOUT_FULL)
    set(full 1)
  endif()

  # INPUT "" (an empty input.dat) leaves arg_INPUT undefined, so look for
  # the keyword itself.
  set(input "")
  if(DEFINED arg_INPUT OR "INPUT" IN_LIST ARGN)
    file(WRITE "${dir}/expected/input.dat" "${arg_INPUT}")
    set(input "${dir}/expected/input.dat")
  elseif(DEFINED arg_INPUT_FILE)
    cmake_path(ABSOLUTE_PATH arg_INPUT_FILE BASE_DIRECTORY "${golden}" OUTPUT_VARIABLE input)
  elseif(arg_INPUT_DIR)
    set(input "DIRECTORY")
  endif()

  set(status 0)
  if(DEFINED arg_STATUS)
    set(status "${arg_STATUS}")
  endif()

  add_test(NAME "${name}"
    COMMAND "${CMAKE_COMMAND}"
      "-DPROGRAM=$<TARGET_FILE:${program}>"
      "-DLAUNCHER=${GOLDEN_LAUNCHER}"
      "-DDIR=${dir}"
      "-DSTDIN=${dir}/expected/stdin"
      "-DINPUT=${input}"
      "-DEXPECTED_STDOUT=${stdout}"
      "-DSTDOUT_FULL=${full}"
      "-DEXPECTED_STDERR=${dir}/expected/stderr"
      "-DEXPECTED_STATUS=${status}"
      "-DTIMEOUT=${GOLDEN_TIMEOUT}"
      -P "${_golden_runner}")
  # The runner's own timeout fires first and reports; this one is a backstop.
  math(EXPR backstop "${GOLDEN_TIMEOUT} + 30")
  set_tests_properties("${name}" PROPERTIES TIMEOUT "${backstop}")
endfunction()
