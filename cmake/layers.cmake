# Norvi's layers as libraries. Each library sees only the headers of the layers it may use:
# it gets an include folder of forwarding headers for exactly those source folders, so an
# include that reaches up or sideways fails to compile. Dependencies point downwards:
#
#   norvi_behaviour   app monitor watermark floating tray settings about
#        |      \
#   norvi_ui   norvi_resources      widget kit | built-in pictures and sounds
#         \     /
#   norvi_platform    the operating-system interfaces and Bitmap
#      /       \
#   norvi_win32  norvi_fake         the real platform | the test platform

set(NORVI_SRC ${PROJECT_SOURCE_DIR}/src)

# Writes forwarding headers for the headers of FOLDERS (their own files only) and TREES
# (with every folder below) into the target's include folder and removes forwarders of
# headers that are gone. Only the forwarded headers' names are written, so editing a
# header rebuilds what includes it and nothing else.
function(norvi_layer_headers target)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "FOLDERS;TREES")
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  set(headers)
  foreach(folder IN LISTS ARG_FOLDERS)
    file(GLOB found CONFIGURE_DEPENDS ${NORVI_SRC}/${folder}/*.h)
    list(APPEND headers ${found})
  endforeach()
  foreach(tree IN LISTS ARG_TREES)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${NORVI_SRC}/${tree}/*.h)
    list(APPEND headers ${found})
  endforeach()
  set(written)
  foreach(header IN LISTS headers)
    file(RELATIVE_PATH relative ${NORVI_SRC} ${header})
    set(NORVI_FORWARDED_HEADER ${header})
    configure_file(${PROJECT_SOURCE_DIR}/cmake/forwarding_header.h.in ${root}/${relative} @ONLY)
    list(APPEND written ${root}/${relative})
  endforeach()
  file(GLOB_RECURSE stale ${root}/*.h)
  if(written)
    list(REMOVE_ITEM stale ${written})
  endif()
  if(stale)
    file(REMOVE ${stale})
  endif()
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# A portable layer: a <windows.h> of its own that stops the build, so only the Win32
# platform can use the Windows headers, on every compiler.
function(norvi_portable target)
  target_include_directories(${target} BEFORE PRIVATE ${PROJECT_SOURCE_DIR}/cmake/portable)
endfunction()

file(GLOB NORVI_PLATFORM_SOURCES CONFIGURE_DEPENDS ${NORVI_SRC}/platform/*.cpp)
add_library(norvi_platform STATIC ${NORVI_PLATFORM_SOURCES})
norvi_layer_headers(norvi_platform FOLDERS platform)
norvi_portable(norvi_platform)

file(GLOB_RECURSE NORVI_UI_SOURCES CONFIGURE_DEPENDS ${NORVI_SRC}/ui/*.cpp)
add_library(norvi_ui STATIC ${NORVI_UI_SOURCES})
norvi_layer_headers(norvi_ui TREES ui)
norvi_portable(norvi_ui)
target_link_libraries(norvi_ui PUBLIC norvi_platform)

file(GLOB NORVI_RESOURCES_SOURCES CONFIGURE_DEPENDS ${NORVI_SRC}/resources/*.cpp)
add_library(norvi_resources STATIC ${NORVI_RESOURCES_SOURCES})
norvi_layer_headers(norvi_resources FOLDERS resources)
norvi_portable(norvi_resources)
target_link_libraries(norvi_resources PUBLIC norvi_platform)

set(NORVI_BEHAVIOUR_FOLDERS app monitor watermark floating tray settings about)
set(NORVI_BEHAVIOUR_SOURCES)
foreach(folder IN LISTS NORVI_BEHAVIOUR_FOLDERS)
  file(GLOB_RECURSE found CONFIGURE_DEPENDS ${NORVI_SRC}/${folder}/*.cpp)
  list(APPEND NORVI_BEHAVIOUR_SOURCES ${found})
endforeach()
add_library(norvi_behaviour STATIC ${NORVI_BEHAVIOUR_SOURCES})
norvi_layer_headers(norvi_behaviour TREES ${NORVI_BEHAVIOUR_FOLDERS})
norvi_portable(norvi_behaviour)
target_link_libraries(norvi_behaviour PUBLIC norvi_ui norvi_resources)

if(NOT WIN32)
  file(GLOB NORVI_FAKE_SOURCES CONFIGURE_DEPENDS ${NORVI_SRC}/platform/fake/*.cpp)
  add_library(norvi_fake STATIC ${NORVI_FAKE_SOURCES})
  norvi_layer_headers(norvi_fake FOLDERS platform/fake)
  norvi_portable(norvi_fake)
  target_link_libraries(norvi_fake PUBLIC norvi_platform)
endif()
