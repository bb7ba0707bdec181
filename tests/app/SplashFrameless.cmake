# The game on Qt's wayland platform, in the wayland gate's compositor: it must still be at its
# splash after a few seconds, and the splash's window geometry as the client sends it to the
# compositor (WAYLAND_DEBUG prints every request) must be its own client area and the 2-pixel
# border it draws itself, with no title bar that Qt would draw.
#   cmake -DGAME=<the game> -P SplashFrameless.cmake   (WAYLAND_DISPLAY set)
# The client area is 7095 × 4155 twips, at 15 twips a pixel.
math(EXPR width "7095 / 15 + 4")
math(EXPR height "4155 / 15 + 4")
set(ENV{WAYLAND_DEBUG} client)
execute_process(COMMAND ${GAME} TIMEOUT 5 OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE status)
if(NOT status MATCHES "timeout")
  message(FATAL_ERROR "The game ended by itself at its splash (${status}):\n${output}")
endif()
string(REGEX MATCH "xdg_surface@[0-9]+\\.set_window_geometry\\(([^)]*)\\)" request "${output}")
if(NOT CMAKE_MATCH_1 STREQUAL "0, 0, ${width}, ${height}")
  message(FATAL_ERROR "The splash's window geometry is (${CMAKE_MATCH_1}), not its own area "
    "(0, 0, ${width}, ${height}): it has a frame, or never reached the compositor.\n${output}")
endif()
message(STATUS "The splash is frameless: ${request}")
