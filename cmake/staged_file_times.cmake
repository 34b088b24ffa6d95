# Run by CPack on the staged files before it packs them: every file and folder takes the time
# SOURCE_DATE_EPOCH gives (the commit's), so the installer is the same whenever it is made.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
  execute_process(COMMAND touch -h -d @$ENV{SOURCE_DATE_EPOCH} ${CPACK_TEMPORARY_DIRECTORY}
    ${staged} COMMAND_ERROR_IS_FATAL ANY)
endif()
