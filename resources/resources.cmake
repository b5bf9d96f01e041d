# The program's resources, compiled into tarnpad.exe: the icon, drawn at build
# time by our script, the manifest and the version information. Included from
# src/CMakeLists.txt, where the tarnpad target is defined.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(tarnpad_resources ${PROJECT_SOURCE_DIR}/resources)
set(tarnpad_icon ${CMAKE_CURRENT_BINARY_DIR}/resources/tarnpad.ico)
add_custom_command(
  OUTPUT ${tarnpad_icon}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/resources
  COMMAND Python3::Interpreter ${tarnpad_resources}/draw_icon.py ${tarnpad_icon}
  DEPENDS ${tarnpad_resources}/draw_icon.py
  COMMENT "Drawing the program icon"
  VERBATIM)

set_source_files_properties(${tarnpad_resources}/tarnpad.rc PROPERTIES
  OBJECT_DEPENDS "${tarnpad_icon};${tarnpad_resources}/tarnpad.manifest;${PROJECT_SOURCE_DIR}/src/app/resource_ids.h"
  INCLUDE_DIRECTORIES "${tarnpad_resources};${CMAKE_CURRENT_BINARY_DIR}/resources")
target_sources(tarnpad PRIVATE ${tarnpad_resources}/tarnpad.rc)
