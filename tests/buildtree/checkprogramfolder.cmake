# Regression: a merge once dropped the copy of data/ into the build tree, and the program built by
# the start command came up with no styles and no templates.
foreach(item Styles.data HTMLFiles/graphics/button.gif HTMLFiles/backgrnd template save Help/index.html)
  if(NOT EXISTS ${FOLDER}/${item})
    message(FATAL_ERROR "${item} is missing beside the built program in ${FOLDER}")
  endif()
endforeach()
file(GLOB templates ${FOLDER}/template/*.zvt)
list(LENGTH templates count)
if(count LESS 6)
  message(FATAL_ERROR "only ${count} templates beside the built program")
endif()
