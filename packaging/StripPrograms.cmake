# Run by CPack on the staged files, before it packs them: strips the programs the way Debian's own
# package tools do (dh_strip), which also drops the compilers' version notes in ".comment" that
# "cmake --install --strip" leaves in. The symbols are of no use to a player.
file(GLOB programs "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_SUOSHUI_BINDIR}/*")
if(NOT programs)
    message(FATAL_ERROR "StripPrograms.cmake: no program staged under ${CPACK_TEMPORARY_DIRECTORY}")
endif()
foreach(program IN LISTS programs)
    execute_process(
        COMMAND "${CPACK_SUOSHUI_STRIP}" --remove-section=.comment --remove-section=.note "${program}"
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
