# Run by cpack before it packs (CPACK_PRE_BUILD_SCRIPTS): dates every staged file and folder
# to CPACK_WAVORIN_SOURCE_DATE (seconds since 1970), so the archive holds no build times.
file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
execute_process(COMMAND touch -h -d "@${CPACK_WAVORIN_SOURCE_DATE}" ${staged} "${CPACK_TEMPORARY_DIRECTORY}"
  COMMAND_ERROR_IS_FATAL ANY)
