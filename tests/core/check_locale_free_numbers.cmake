# Fails when a source converts numbers with a function that follows the
# process locale (the C library's strtod, atof, printf family and the like,
# or QLocale). Under a desktop with a decimal comma those read "0.81" as 0 or
# write "0,81". Numbers are read with lenientNumber and written with
# formatDigits, which never consult the locale.
file(GLOB_RECURSE sources "${SOURCE_DIR}/src/*.cpp" "${SOURCE_DIR}/src/*.h")
set(pattern "(^|[^A-Za-z0-9_])(strto(d|f|ld)|ato(f|i|l|ll)|std::sto(d|f|ld|i|l|ll|ul|ull)|v?s?n?printf|v?f?s?scanf|to_w?string|toDouble|toFloat|QLocale|setlocale|localeconv)[ \t]*[(:]")
set(offenders "")
foreach(source IN LISTS sources)
  file(READ "${source}" text)
  string(REGEX REPLACE "//[^\n]*" "" text "${text}") # comments may name them
  string(REGEX MATCHALL "${pattern}" hits "${text}")
  if(hits)
    list(JOIN hits " " hits)
    string(APPEND offenders "\n${source}: ${hits}")
  endif()
endforeach()
if(offenders)
  message(FATAL_ERROR "Locale-dependent number conversion:${offenders}")
endif()
list(LENGTH sources count)
message(STATUS "${count} sources checked, no number conversion consults the locale")
