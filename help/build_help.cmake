# Builds the help file: converts each source from UTF-8 to GBK into WORK_DIR, compiles
# WORK_DIR/PROJECT_FILE with chmcmd and copies the compiled file to OUTPUT. Any problem, a
# warning of chmcmd's included (a link to a missing page, a listed file that is not there),
# fails the build with chmcmd's own words.
#
# cmake -DSOURCE_DIR=... -DWORK_DIR=... -DSOURCES=a|b|... -DPROJECT_FILE=... -DCOMPILED_FILE=...
#       -DOUTPUT=... -DCHMCMD=... -DICONV=... -P build_help.cmake
cmake_minimum_required(VERSION 3.20)

foreach(var SOURCE_DIR WORK_DIR SOURCES PROJECT_FILE COMPILED_FILE OUTPUT CHMCMD ICONV)
  if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
    message(FATAL_ERROR "build_help.cmake: ${var} is not set")
  endif()
endforeach()
string(REPLACE "|" ";" sources "${SOURCES}")

# A fresh folder each time: nothing left over from an earlier build ends up in the file.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(REMOVE ${OUTPUT})

foreach(source IN LISTS sources)
  set(from ${SOURCE_DIR}/${source})
  set(to ${WORK_DIR}/${source})
  if(source MATCHES "\\.html?$")
    file(READ ${from} page)
    string(TOLOWER "${page}" page)
    if(NOT page MATCHES "<meta http-equiv=\"content-type\" content=\"text/html; charset=gb2312\">")
      message(FATAL_ERROR "${from}: the page does not declare charset=gb2312, the code page it is compiled in")
    endif()
  endif()
  if(source MATCHES "\\.hh[ck]$")
    # chmcmd does not look at the entries of the contents and the index; they must name pages
    # of the file.
    file(STRINGS ${from} locals REGEX "<param name=\"Local\" value=\"[^\"]*\">")
    foreach(local IN LISTS locals)
      string(REGEX REPLACE ".*value=\"([^\"#]*).*" "\\1" page "${local}")
      if(NOT page IN_LIST sources)
        message(FATAL_ERROR "${from}: an entry names ${page}, which is not a file of ${PROJECT_FILE}")
      endif()
    endforeach()
  endif()
  get_filename_component(to_dir ${to} DIRECTORY)
  file(MAKE_DIRECTORY ${to_dir})
  execute_process(
    COMMAND ${ICONV} -f UTF-8 -t GBK ${from}
    OUTPUT_FILE ${to}
    ERROR_VARIABLE iconv_error
    RESULT_VARIABLE iconv_result)
  if(NOT iconv_result EQUAL 0)
    message(FATAL_ERROR "${from}: cannot convert from UTF-8 to GBK (text that GBK has no code for?):\n${iconv_error}")
  endif()
endforeach()

execute_process(
  COMMAND ${CHMCMD} ${PROJECT_FILE}
  WORKING_DIRECTORY ${WORK_DIR}
  OUTPUT_VARIABLE chmcmd_output
  ERROR_VARIABLE chmcmd_output
  RESULT_VARIABLE chmcmd_result)
set(compiled ${WORK_DIR}/${COMPILED_FILE})
if(NOT chmcmd_result EQUAL 0)
  message(FATAL_ERROR "chmcmd failed (exit status ${chmcmd_result}) on ${WORK_DIR}/${PROJECT_FILE}:\n${chmcmd_output}")
endif()
if(chmcmd_output MATCHES "(Warning|Error)")
  message(FATAL_ERROR "chmcmd reported problems in the help sources:\n${chmcmd_output}")
endif()
if(NOT EXISTS ${compiled})
  message(FATAL_ERROR "chmcmd wrote no ${compiled}:\n${chmcmd_output}")
endif()
file(SIZE ${compiled} compiled_size)
if(compiled_size EQUAL 0)
  message(FATAL_ERROR "chmcmd left ${compiled} empty:\n${chmcmd_output}")
endif()

execute_process(
  COMMAND ${CMAKE_COMMAND} -E copy ${compiled} ${OUTPUT}
  RESULT_VARIABLE copy_result)
if(NOT copy_result EQUAL 0)
  message(FATAL_ERROR "cannot copy ${compiled} to ${OUTPUT}")
endif()
