# The desktop services built on Qt: message boxes, the print dialog, bitmaps, dialog units, font
# files, the shell, temporary files, the string table, window positions and
# the ways out of modal runs. The wave output may
# have made the library already, so these sources are added to it either way.
if(NOT TARGET platform)
  add_library(platform STATIC)
endif()
target_sources(platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/bitmaps.cpp
  ${CMAKE_CURRENT_LIST_DIR}/closerequests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialogunits.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fontfiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/messagebox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/printdialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/modalruns.cpp
  ${CMAKE_CURRENT_LIST_DIR}/resourcestrings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shell.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tempfiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windowposition.cpp
)
target_include_directories(platform PUBLIC ${PROJECT_SOURCE_DIR})
# The X server is asked directly where windows stand and what the window
# manager asks of them, where Qt's answers come too late.
find_package(PkgConfig REQUIRED)
pkg_check_modules(XCB REQUIRED IMPORTED_TARGET GLOBAL xcb)
target_link_libraries(platform PUBLIC Qt6::Widgets Qt6::PrintSupport resources PRIVATE PkgConfig::XCB)
