# The wave output: the recording device, SDL 2 through its dummy and disk
# drivers, and through a private PulseAudio daemon with the player's clips.
tessaly_add_test(waveout-tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/soundthread_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/waveout_sdl_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/waveout_pulse_test.cpp
    ${PROJECT_SOURCE_DIR}/tests/sound/clipfactory.cpp
  LIBS waveout sound SDL2::SDL2 testsupport
)
target_include_directories(waveout-tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/sound)
