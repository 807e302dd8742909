# The wave output: the interface (header only, usable without SDL, as sound/
# does), its SDL 2 implementation and the recording one for tests and tools.
add_library(waveout STATIC
  ${CMAKE_CURRENT_LIST_DIR}/devicecloser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recordingwaveout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sdlwaveout.cpp
)
target_include_directories(waveout PUBLIC ${CMAKE_CURRENT_LIST_DIR})
find_package(Threads REQUIRED)
target_link_libraries(waveout PRIVATE SDL2::SDL2 Threads::Threads)
