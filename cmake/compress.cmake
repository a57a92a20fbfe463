# Compresses a file at build time as Debian keeps documentation: the best gzip
# compression, without a name or time stamp, so every build makes the same bytes.
function(vantrel_compress source compressed)
  get_filename_component(folder ${compressed} DIRECTORY)
  add_custom_command(
    OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND sh -c "gzip -9 -n -c \"$1\" > \"$2\"" gzip ${source} ${compressed}
    DEPENDS ${source}
    VERBATIM)
endfunction()
