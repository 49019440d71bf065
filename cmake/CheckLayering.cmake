# Fails the build when a core source includes a Qt header: the core must stay
# usable headless (tests, tabrix-cli) and must not drift towards the GUI.
file(GLOB_RECURSE files
  ${SOURCE_DIR}/src/text/* ${SOURCE_DIR}/src/document/* ${SOURCE_DIR}/src/schema/*
  ${SOURCE_DIR}/src/view/* ${SOURCE_DIR}/src/app/*)
set(offenders "")
foreach(f IN LISTS files)
  if(f MATCHES "\\.(h|hpp|cpp|cc)$")
    file(STRINGS "${f}" hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]+|Qt[A-Za-z]*/)")
    if(hits)
      list(APPEND offenders "${f}: ${hits}")
    endif()
  endif()
endforeach()
if(offenders)
  list(JOIN offenders "\n  " text)
  message(FATAL_ERROR "Core sources must not include Qt headers:\n  ${text}")
endif()
