# Copies the shipped program folder (SOURCE) into the build tree (TARGET). A file is copied when
# the build tree lacks it or holds an older copy; a file the user changed while running the built
# program is newer and stays as it is. ".gitkeep" files only keep empty folders in the repository.
file(GLOB_RECURSE files RELATIVE ${SOURCE} LIST_DIRECTORIES true ${SOURCE}/*)
foreach(item IN LISTS files)
  if(IS_DIRECTORY ${SOURCE}/${item})
    file(MAKE_DIRECTORY ${TARGET}/${item})
  elseif(NOT item MATCHES "(^|/)\\.gitkeep$")
    if(NOT EXISTS ${TARGET}/${item} OR ${SOURCE}/${item} IS_NEWER_THAN ${TARGET}/${item})
      get_filename_component(folder ${TARGET}/${item} DIRECTORY)
      file(COPY ${SOURCE}/${item} DESTINATION ${folder})
    endif()
  endif()
endforeach()
