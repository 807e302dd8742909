# The wave output: its SDL 2 implementation and the recording one for tests
# and tools, over the interface (waveout/waveout.h).
add_library(waveout STATIC
  ${CMAKE_CURRENT_LIST_DIR}/soundthread.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recordingwaveout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sdlwaveout.cpp
)
target_include_directories(waveout PUBLIC ${CMAKE_CURRENT_LIST_DIR})
find_package(Threads REQUIRED)
target_link_libraries(waveout PUBLIC waveout-interface PRIVATE SDL2::SDL2 Threads::Threads)
