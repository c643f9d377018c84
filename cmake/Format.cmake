# Two targets for the layout of the sources, as .clang-format sets it:
#   format        rewrites every source in place
#   check-format  changes nothing and fails on the first source that
#                 differs from its formatted self
# Both are left out when clang-format is not installed.

find_program(CLANG_FORMAT clang-format)
if(NOT CLANG_FORMAT)
  message(STATUS "clang-format not found: no format or check-format target")
  return()
endif()

file(GLOB format_sources CONFIGURE_DEPENDS
  "${PROJECT_SOURCE_DIR}/gas/*.cpp"
  "${PROJECT_SOURCE_DIR}/exercises/*.cpp"
  "${PROJECT_SOURCE_DIR}/demos/*.cpp"
  "${PROJECT_SOURCE_DIR}/bench/*.c")

add_custom_target(format
  COMMAND "${CLANG_FORMAT}" -i ${format_sources}
  WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
  COMMENT "Formatting the sources"
  VERBATIM)
add_custom_target(check-format
  COMMAND "${CLANG_FORMAT}" --dry-run --Werror ${format_sources}
  WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
  COMMENT "Checking the sources' formatting"
  VERBATIM)
