# Run by cpack on the staged tree, before the Debian package is made of it: adds to the
# package's Depends the libraries its programs and libraries link, as dpkg-shlibdeps finds
# them. CPack's own CPACK_DEBIAN_PACKAGE_SHLIBDEPS does the same, but it also adds maintainer
# scripts that run ldconfig for any library in a folder below /usr/lib, our private ones in
# /usr/lib/tessavox too, which the dynamic linker never looks in.
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
set(elf_files)
foreach(path IN LISTS staged)
  if(NOT IS_SYMLINK "${path}")
    file(READ "${path}" magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
      list(APPEND elf_files "${path}")
    endif()
  endif()
endforeach()

# dpkg-shlibdeps reads the package's name from debian/control in its working folder; that
# folder stays outside the staged tree, so nothing of it is packaged.
set(work "${CPACK_TOPLEVEL_DIRECTORY}/shlibdeps")
file(WRITE "${work}/debian/control" "Source: ${CPACK_PACKAGE_NAME}\n\nPackage: ${CPACK_PACKAGE_NAME}\nArchitecture: any\n")
execute_process(COMMAND dpkg-shlibdeps -O ${elf_files}
    WORKING_DIRECTORY "${work}"
    OUTPUT_VARIABLE substvars ERROR_VARIABLE errors RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT substvars MATCHES "shlibs:Depends=([^\n]+)")
  message(FATAL_ERROR "dpkg-shlibdeps gave no dependencies for ${elf_files}: ${errors}")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}, ${CMAKE_MATCH_1}")
