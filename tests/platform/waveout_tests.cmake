# The wave output: the recording device, and SDL 2 through its disk driver.
tessaly_add_test(waveout-tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/waveout_recording_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/waveout_sdl_test.cpp
  LIBS waveout SDL2::SDL2 testsupport
)
