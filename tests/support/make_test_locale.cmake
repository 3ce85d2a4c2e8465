# Compiles the decimal-comma locale de_DE.UTF-8 into the build tree, so the
# locale tests need no locale installed on the machine, only localedef (libc)
# and the locale sources (Debian package "locales").
#   cmake -DOUT=<folder> -P make_test_locale.cmake
# A failure does not stop the build: the locale tests then fail and say why.
find_program(LOCALEDEF localedef)
if(NOT LOCALEDEF)
  message(WARNING "localedef not found: the decimal-comma locale tests will fail")
  return()
endif()
file(MAKE_DIRECTORY "${OUT}")
execute_process(
  COMMAND "${LOCALEDEF}" --no-archive -i de_DE -f UTF-8 "${OUT}/de_DE.UTF-8"
  RESULT_VARIABLE rc
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err)
# localedef exits with 1 when it only warned; the locale is written all the same.
if(NOT EXISTS "${OUT}/de_DE.UTF-8/LC_NUMERIC")
  message(WARNING "localedef could not compile de_DE.UTF-8 (exit ${rc}): ${err}\n"
                  "Install the package \"locales\"; the decimal-comma locale tests will fail.")
endif()
