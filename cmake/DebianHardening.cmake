# Builds with the hardening Debian builds its own packages with, as dpkg-buildflags gives it on the
# release at hand (stack protector, _FORTIFY_SOURCE, format checks, full RELRO with BIND_NOW, PIE,
# and whatever else that release adds), so the packaged program is as hardened as Debian's.
# The build type keeps its own -g and -O levels; a sanitizer or unoptimised debug build takes none of it
# (_FORTIFY_SOURCE needs the optimiser).
option(SCALLYWISE_HARDEN "Build with Debian's hardening flags (dpkg-buildflags)" ON)
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(SCALLYWISE_HARDEN AND DPKG_BUILDFLAGS AND NOT SCALLYWISE_SANITIZE AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
  set(hardening_env
    "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-fixfilepath,-fixdebugpath"
    "DEB_CXXFLAGS_MAINT_STRIP=-g -O2")
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env ${hardening_env} ${DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags_${kind} UNIX_COMMAND "${flags_${kind}}")
  endforeach()
  add_compile_options(${flags_CPPFLAGS} ${flags_CXXFLAGS})
  add_link_options(${flags_LDFLAGS})
  message(STATUS "Hardening: ${flags_CPPFLAGS} ${flags_CXXFLAGS} ${flags_LDFLAGS}")
endif()
