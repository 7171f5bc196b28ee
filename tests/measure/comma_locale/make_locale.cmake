# Compiles comma_test.def into OUT_DIR/comma_test with localedef, so that the tests have a
# locale with a decimal comma on any glibc machine, whatever locales are installed there.
#   cmake -DLOCALEDEF=... -DSOURCE=.../comma_test.def -DOUT_DIR=... -P make_locale.cmake
# The charmap is written here too: the system's charmaps come with the optional locales
# package.
set(_hex 0123456789ABCDEF)
set(_charmap "<code_set_name> ANSI_X3.4-1968\n<comment_char> %\n<escape_char> /\n")
string(APPEND _charmap "<mb_cur_max> 1\n<mb_cur_min> 1\nCHARMAP\n")
foreach(_code RANGE 0 127)
  math(EXPR _high "${_code} / 16")
  math(EXPR _low "${_code} % 16")
  string(SUBSTRING ${_hex} ${_high} 1 _h)
  string(SUBSTRING ${_hex} ${_low} 1 _l)
  string(APPEND _charmap "<U00${_h}${_l}> /x${_h}${_l}\n")
endforeach()
string(APPEND _charmap "END CHARMAP\n")
file(MAKE_DIRECTORY ${OUT_DIR})
file(WRITE ${OUT_DIR}/ascii.charmap "${_charmap}")
file(REMOVE_RECURSE ${OUT_DIR}/comma_test)

# -c writes the locale although the other categories are missing; localedef then exits 1.
execute_process(COMMAND ${LOCALEDEF} -c -f ${OUT_DIR}/ascii.charmap -i ${SOURCE}
                        ${OUT_DIR}/comma_test
                RESULT_VARIABLE _result OUTPUT_VARIABLE _output ERROR_VARIABLE _output)
if(NOT EXISTS ${OUT_DIR}/comma_test/LC_NUMERIC)
  message(FATAL_ERROR "localedef made no locale from ${SOURCE} (exit ${_result}):\n${_output}")
endif()
