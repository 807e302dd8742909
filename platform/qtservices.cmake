# The desktop services built on Qt: message boxes, the print dialog, bitmaps, dialog units, font
# files, the shell, temporary files and the string table. The wave output may
# have made the library already, so these sources are added to it either way.
if(NOT TARGET platform)
  add_library(platform STATIC)
endif()
target_sources(platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/bitmaps.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialogunits.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fontfiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/messagebox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/printdialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/resourcestrings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shell.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tempfiles.cpp
)
target_include_directories(platform PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(platform PUBLIC Qt6::Widgets Qt6::PrintSupport resources)
