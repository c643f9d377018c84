# require_binary64(<target>)
#
# Makes every double operation of the programs that link <target> round to
# IEEE 754 binary64 exactly as written, so that they print the same digits
# on every processor.
#
# A compiler that evaluates doubles in a wider format keeps intermediate
# results unrounded until it stores them: 32-bit x86 code for the x87 unit
# computes in 80-bit registers. That turns c * 1.8 + 32 into one rounding,
# rounds some results twice (first to the x87's 64-bit significand, then to
# 53 bits), and compares unrounded sums in loops, so that a temperature
# that no longer grows when stored still looks as if it did. Such a
# compiler is switched to SSE2 arithmetic, which rounds each operation to
# binary64.
#
# What the compiler does decides this, not the processor's name: with only
# CMAKE_CXX_COMPILER set (i686-linux-gnu-g++, or g++ -m32),
# CMAKE_SYSTEM_PROCESSOR names the host. The compiler states its evaluation
# format in __FLT_EVAL_METHOD__, 0 meaning each operation in its own type.
# A compiler that cannot be brought to 0 stops the configuration.
#
# Fused multiply-adds are a separate matter: -ffp-contract=off, set with the
# other shared settings, forbids them.

include(CheckCXXSourceCompiles)
include(CMakePushCheckState)

function(require_binary64 target)
  set(check [=[
#if !defined(__FLT_EVAL_METHOD__) || __FLT_EVAL_METHOD__ != 0
#error "double operations are evaluated in a wider format"
#endif
int main() { return 0; }
]=])
  set(sse2 -msse2 -mfpmath=sse)
  list(JOIN sse2 " " sse2_text)

  cmake_push_check_state(RESET)
  set(CMAKE_REQUIRED_QUIET ON)
  check_cxx_source_compiles("${check}" DOUBLES_EVALUATED_AS_BINARY64)
  if(NOT DOUBLES_EVALUATED_AS_BINARY64)
    set(CMAKE_REQUIRED_FLAGS "${sse2_text}")
    check_cxx_source_compiles("${check}" DOUBLES_EVALUATED_AS_BINARY64_WITH_SSE2)
  endif()
  cmake_pop_check_state()

  if(DOUBLES_EVALUATED_AS_BINARY64)
    message(STATUS "Double operations round to binary64")
  elseif(DOUBLES_EVALUATED_AS_BINARY64_WITH_SSE2)
    message(STATUS "Double operations round to binary64 with SSE2 arithmetic (${sse2_text})")
    target_compile_options(${target} INTERFACE ${sse2})
  else()
    message(FATAL_ERROR
      "${CMAKE_CXX_COMPILER} evaluates double operations in a wider format "
      "(__FLT_EVAL_METHOD__ is not 0), even with ${sse2_text}; the programs would "
      "print other digits than on every other target.")
  endif()
endfunction()
