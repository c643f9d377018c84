# Runs one golden test case; golden_test() in GoldenTest.cmake sets it up.
#
# Input variables:
#   PROGRAM          the program to run
#   LAUNCHER         a list put in front of PROGRAM, may be empty
#   DIR              the case's folder: run/ is made afresh as the working
#                    directory, actual/ takes what the program wrote
#   STDIN            file fed to standard input
#   INPUT            file copied to run/input.dat, DIRECTORY for a folder of
#                    that name, empty for none
#   EXPECTED_STDOUT, EXPECTED_STDERR, EXPECTED_STATUS
#   STDOUT_FULL      when true, standard output goes to /dev/full and is not
#                    compared
#   TIMEOUT          seconds before the program is stopped

cmake_minimum_required(VERSION 3.25)

set(run "${DIR}/run")
set(actual "${DIR}/actual")
file(REMOVE_RECURSE "${run}" "${actual}")
file(MAKE_DIRECTORY "${run}" "${actual}")

if(INPUT STREQUAL "DIRECTORY")
  file(MAKE_DIRECTORY "${run}/input.dat")
elseif(INPUT)
  file(COPY_FILE "${INPUT}" "${run}/input.dat")
endif()

set(stdout "${actual}/stdout")
if(STDOUT_FULL)
  set(stdout "/dev/full")
endif()

# OUTPUT_FILE and ERROR_FILE keep every byte the program writes.
execute_process(
  COMMAND ${LAUNCHER} "${PROGRAM}"
  WORKING_DIRECTORY "${run}"
  INPUT_FILE "${STDIN}"
  OUTPUT_FILE "${stdout}"
  ERROR_FILE "${actual}/stderr"
  RESULT_VARIABLE status
  TIMEOUT "${TIMEOUT}")

# Shows a file with its tabs and carriage returns spelled out and a $ at
# every line end, so that differences in white space are visible. A runaway
# program can write megabytes: only the beginning is shown.
function(show title path)
  set(limit 4000)
  file(SIZE "${path}" size)
  file(READ "${path}" text LIMIT ${limit})
  string(REPLACE "\t" "\\t" text "${text}")
  string(REPLACE "\r" "\\r" text "${text}")
  string(REPLACE "\n" "$\n" text "${text}")
  if(size GREATER limit)
    string(APPEND text "\n[... ${size} bytes in all]")
  endif()
  message("--- ${title} (${path})\n${text}")
endfunction()

# Quotes a word for a POSIX shell.
function(shell_quote word out)
  string(REPLACE "'" "'\\''" word "${word}")
  set(${out} "'${word}'" PARENT_SCOPE)
endfunction()

find_program(DIFF diff)

set(failed FALSE)

function(compare stream expected_file actual_file)
  file(READ "${expected_file}" expected HEX)
  file(READ "${actual_file}" got HEX)
  if(NOT expected STREQUAL got)
    message("${stream} differs:")
    show("expected ${stream}" "${expected_file}")
    show("actual ${stream}" "${actual_file}")
    if(DIFF)
      # - lines are expected, + lines are what the program wrote.
      execute_process(
        COMMAND "${DIFF}" -u --label "expected ${stream}" --label "actual ${stream}"
                "${expected_file}" "${actual_file}"
        OUTPUT_VARIABLE difference)
      string(LENGTH "${difference}" length)
      if(length GREATER 4000)
        string(SUBSTRING "${difference}" 0 4000 difference)
        string(APPEND difference "\n[... ${length} characters in all]\n")
      endif()
      message("--- unified diff of ${stream}\n${difference}")
    endif()
    set(failed TRUE PARENT_SCOPE)
  endif()
endfunction()

if(NOT STDOUT_FULL)
  compare(stdout "${EXPECTED_STDOUT}" "${actual}/stdout")
endif()
compare(stderr "${EXPECTED_STDERR}" "${actual}/stderr")

# Compared as strings: a timeout or a signal gives a text, not a number.
if(NOT status STREQUAL EXPECTED_STATUS)
  message("exit status differs:\n--- expected\n${EXPECTED_STATUS}\n--- actual\n${status}")
  set(failed TRUE)
endif()

if(failed)
  # The command as it ran, to paste into a shell: run/ keeps its input.dat.
  set(command "")
  foreach(word IN LISTS LAUNCHER ITEMS "${PROGRAM}")
    shell_quote("${word}" word)
    string(APPEND command " ${word}")
  endforeach()
  shell_quote("${run}" dir)
  shell_quote("${STDIN}" stdin)
  set(redirect "")
  if(STDOUT_FULL)
    set(redirect " >/dev/full")
  endif()
  message("--- command\n(cd ${dir} &&${command} <${stdin}${redirect}); echo \"status $?\"")
  message(FATAL_ERROR "${PROGRAM} did not behave as expected; its output is kept in ${actual}")
endif()
