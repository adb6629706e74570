# The distribution's hardening, as Debian builds its packages: fortified functions, the stack
# protector, format checks, and relocations read-only and resolved at start (relro, now). The
# optimisation stays the build type's, and no debugging information is asked for, as the
# package's binaries are stripped.
find_program(QVM_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT QVM_DPKG_BUILDFLAGS)
  message(WARNING "dpkg-buildflags (dpkg-dev) is missing: the binaries are built without Debian's hardening")
  return()
endif()
foreach(flags CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all "DEB_CXXFLAGS_MAINT_STRIP=-g -O2"
      ${QVM_DPKG_BUILDFLAGS} --get ${flags}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    OUTPUT_VARIABLE value
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(value UNIX_COMMAND "${value}")
  if(flags STREQUAL "LDFLAGS")
    add_link_options(${value})
  else()
    add_compile_options(${value})
  endif()
endforeach()
