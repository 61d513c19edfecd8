# Run by CPack (CPACK_PRE_BUILD_SCRIPTS) on the files it has installed into
# its staging folder, before it packs them. A plain "cmake --install" never
# runs this: its manual pages stay uncompressed, as "man" reads them either way.
#
# For a Debian package: manual pages compressed with gzip at the highest level
# and without a time stamp, and beside the copyright file a changelog of the
# package's version, as every Debian package carries.

if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()

set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT IS_DIRECTORY "${root}/bin")
  message(FATAL_ERROR "DebianFiles.cmake: no staged programs under ${root}")
endif()

file(GLOB_RECURSE manual_pages "${root}/share/man/*.[1-9]")
foreach(page IN LISTS manual_pages)
  execute_process(COMMAND gzip -9nf "${page}" RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "DebianFiles.cmake: gzip failed on ${page}")
  endif()
endforeach()

set(doc "${root}/share/doc/${CPACK_PACKAGE_NAME}")
file(MAKE_DIRECTORY "${doc}")
file(COPY_FILE "${CPACK_TARVELL_COPYRIGHT_FILE}" "${doc}/copyright")
file(CHMOD "${doc}/copyright" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

# The date is the build's, or SOURCE_DATE_EPOCH's when that is set, so that a
# rebuild of the same sources can give the same package.
string(TIMESTAMP date "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(version "${CPACK_PACKAGE_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}")
file(WRITE "${doc}/changelog.Debian"
"${CPACK_PACKAGE_NAME} (${version}) unstable; urgency=medium

  * Tarvell Recorder ${CPACK_PACKAGE_VERSION}, packaged from its own build.

 -- ${CPACK_DEBIAN_PACKAGE_MAINTAINER}  ${date}
")
execute_process(COMMAND gzip -9nf "${doc}/changelog.Debian" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "DebianFiles.cmake: gzip failed on the changelog")
endif()
file(CHMOD "${doc}/changelog.Debian.gz" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
