# Writes a text for the Windows .zip with CR LF line ends, as Windows' own editors expect: INPUT
# as it is, or, with GROFF set, the manual page INPUT rendered as plain text without hyphenation,
# bold or underlining.
# Usage: cmake -DINPUT=FILE -DOUTPUT=FILE [-DGROFF=PROGRAM] -P windows-text.cmake
if(GROFF)
  execute_process(COMMAND ${GROFF} -man -Tascii -P-cbou -rHY=0 ${INPUT}
    OUTPUT_VARIABLE text RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "groff could not render ${INPUT}")
  endif()
else()
  file(READ ${INPUT} text)
endif()
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUTPUT} "${text}")
