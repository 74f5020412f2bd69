# Packs one target's zip and Windows Installer package from one staged folder, so that two
# builds of one commit give the same bytes whatever the clock, time zone, umask or locale.
#   cmake -DSOURCE=<sources> -DBUILD=<build folder> -DVERSION=1.2.3 -DPLATFORM=win32|win64
#         [-DOUT=<folder>] -P package.cmake
# BUILD holds the built Orbisque.exe, ReadMe.txt and License.txt; OUT (BUILD unless given)
# receives Orbisque-<version>-<platform>.zip and .msi.
foreach(var SOURCE BUILD VERSION PLATFORM)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "package.cmake: ${var} is not set")
  endif()
endforeach()
if(NOT DEFINED OUT)
  set(OUT ${BUILD})
endif()
foreach(tool wixl msibuild msiinfo faketime zip touch)
  find_program(${tool}_exe ${tool} REQUIRED)
endforeach()

# Every time written into a package is the commit's, or the one a packager gives.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(epoch $ENV{SOURCE_DATE_EPOCH})
else()
  execute_process(COMMAND git -C ${SOURCE} log -1 --format=%ct
    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed ERROR_QUIET)
  if(failed OR epoch STREQUAL "")
    message(FATAL_ERROR "Not a git checkout: set SOURCE_DATE_EPOCH to the sources' time")
  endif()
endif()
if(NOT epoch MATCHES "^[0-9]+$" OR epoch LESS 315532800)
  # A zip cannot hold a time before 1980.
  message(FATAL_ERROR "SOURCE_DATE_EPOCH ${epoch} is not a time since 1980")
endif()
execute_process(COMMAND date -u -d @${epoch} "+%Y-%m-%d %H:%M:%S"
  OUTPUT_VARIABLE when OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

# The zip and the cabinet keep each file's time and the zip its permissions: stage the files
# with the commit's time and fixed permissions. The zip's one top folder is the staged one.
set(name Orbisque-${VERSION}-${PLATFORM})
set(stage ${OUT}/stage-${PLATFORM})
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage}/${name}/Sounds)
file(COPY ${BUILD}/Orbisque.exe ${BUILD}/ReadMe.txt ${BUILD}/License.txt DESTINATION ${stage}/${name})
file(GLOB cues ${SOURCE}/Sounds/*.wav)
file(COPY ${cues} DESTINATION ${stage}/${name}/Sounds)
file(COPY ${SOURCE}/src/app/Orbisque.ico DESTINATION ${stage})
file(CHMOD_RECURSE ${stage} FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
  DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
  WORLD_READ WORLD_EXECUTE)
file(GLOB_RECURSE files LIST_DIRECTORIES true RELATIVE ${stage} ${stage}/*)
list(SORT files)
execute_process(COMMAND ${touch_exe} -d @${epoch} ${files} WORKING_DIRECTORY ${stage}
  COMMAND_ERROR_IS_FATAL ANY)

# zip writes local times (hence UTC) and, without -X, the owner and more times of each file.
list(REMOVE_ITEM files Orbisque.ico)
file(REMOVE ${OUT}/${name}.zip)
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC0 LC_ALL=C
  ${zip_exe} -X -q ${OUT}/${name}.zip ${files}
  WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)

# A product code of its own for each version and target: a rebuilt package of the same version
# is then the same product, kept rather than added beside it.
if(PLATFORM STREQUAL win32)
  set(arch x86)
else()
  set(arch x64)
endif()
string(UUID product NAMESPACE 7D3A4C1E-58B2-4F0A-9E61-2C8B5D0F3A97
  NAME ${VERSION}-${arch} TYPE SHA1 UPPER)

# wixl writes the clock's time into the summary information: give it the commit's, frozen.
# It takes its files from the folder it runs in, the icon from the one above.
set(msi ${OUT}/${name}.msi)
set(frozen ${CMAKE_COMMAND} -E env TZ=UTC0 LC_ALL=C ${faketime_exe} -f "${when}")
execute_process(COMMAND ${frozen} ${wixl_exe} -a ${arch} -D Arch=${arch} -D Version=${VERSION}
    -D ProductCode=${product} -o ${msi} ${SOURCE}/installer/Orbisque.wxs
  WORKING_DIRECTORY ${stage}/${name} COMMAND_ERROR_IS_FATAL ANY)

# wixl also draws a random package code. Windows wants a new one whenever anything in the
# package changes: derive it from the package itself, with the code first set to nil.
# msibuild sets the code with the subject, author and template, so those are given back as
# wixl wrote them.
execute_process(COMMAND ${msiinfo_exe} suminfo ${msi} OUTPUT_VARIABLE summary
  COMMAND_ERROR_IS_FATAL ANY)
foreach(field Subject Author Template)
  if(NOT summary MATCHES "\n${field}: ([^\n]*)")
    message(FATAL_ERROR "wixl wrote no ${field} into ${msi}")
  endif()
  set(${field} "${CMAKE_MATCH_1}")
endforeach()
execute_process(COMMAND ${frozen} ${msibuild_exe} ${msi} -s "${Subject}" "${Author}"
    "${Template}" "{00000000-0000-0000-0000-000000000000}" COMMAND_ERROR_IS_FATAL ANY)
file(SHA256 ${msi} content)
string(UUID package NAMESPACE 3F0C9B52-6E1D-4B7A-8C25-91D4E7A6B308
  NAME ${VERSION}-${arch}-${content} TYPE SHA1 UPPER)
execute_process(COMMAND ${frozen} ${msibuild_exe} ${msi} -s "${Subject}" "${Author}"
    "${Template}" "{${package}}"
  COMMAND_ERROR_IS_FATAL ANY)
