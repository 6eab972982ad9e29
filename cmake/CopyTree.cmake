# Copies SRC into DST file by file, skipping files whose copy in DST is newer
# than the source: the program writes its settings into the copied tree, and a
# rebuild must not throw away what the user changed while running it.
file(GLOB_RECURSE files RELATIVE "${SRC}" "${SRC}/*")
foreach(f IN LISTS files)
  if(f MATCHES "(^|/)\\.gitkeep$")
    continue()
  endif()
  if("${SRC}/${f}" IS_NEWER_THAN "${DST}/${f}")
    get_filename_component(dir "${DST}/${f}" DIRECTORY)
    file(MAKE_DIRECTORY "${dir}")
    file(COPY_FILE "${SRC}/${f}" "${DST}/${f}")
  endif()
endforeach()
# Keep empty folders of the tree too (macro/, gun/ and update/ start out empty).
file(GLOB_RECURSE dirs LIST_DIRECTORIES true RELATIVE "${SRC}" "${SRC}/*")
foreach(d IN LISTS dirs)
  if(IS_DIRECTORY "${SRC}/${d}")
    file(MAKE_DIRECTORY "${DST}/${d}")
  endif()
endforeach()
