# The Windows side: the real platform layer, norvi.exe and its resources. Included by the
# top-level CMakeLists.txt when building for Windows (MinGW-w64 cross or native, or MSVC).
enable_language(RC)

if(MINGW)
  # Self-contained programs: nothing to ship beside norvi.exe, nothing for Wine to find.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

file(GLOB NORVI_WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../src/platform/win32/*.cpp)
list(FILTER NORVI_WIN32_SOURCES EXCLUDE REGEX "/main\\.cpp$")
add_library(norvi_win32 STATIC ${NORVI_WIN32_SOURCES})
norvi_layer_headers(norvi_win32 FOLDERS platform/win32)
# comdlg32 is not linked: the choosers load it at their first use (lazy_library.h).
target_link_libraries(norvi_win32 PUBLIC norvi_platform
  gdi32 user32 shell32 shlwapi advapi32 winmm comctl32 version ole32 uuid)
# Wide-character API everywhere; no min/max macros; Windows 10 declarations.
target_compile_definitions(norvi_win32 PUBLIC
  UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0A00 WINVER=0x0A00)

add_executable(norvi WIN32
  ${CMAKE_CURRENT_LIST_DIR}/../src/platform/win32/main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../src/resources/norvi.rc)
target_link_libraries(norvi PRIVATE norvi_win32 norvi_behaviour)
target_include_directories(norvi PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../src/resources)
# The version resource takes its numbers from the project version.
target_compile_definitions(norvi PRIVATE
  NORVI_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
  NORVI_VERSION_MINOR=${PROJECT_VERSION_MINOR}
  NORVI_VERSION_PATCH=${PROJECT_VERSION_PATCH}
  NORVI_VERSION_TWEAK=${PROJECT_VERSION_TWEAK})
if(MINGW)
  # The static runtime brings its debug sections along; a release program needs none.
  target_link_options(norvi PRIVATE -municode $<$<CONFIG:Release,MinSizeRel>:-s>)
endif()
# Sources of the resources: a change to one of them rebuilds the resource object.
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/../src/resources/norvi.rc APPEND PROPERTY OBJECT_DEPENDS
  ${CMAKE_CURRENT_LIST_DIR}/../src/resources/norvi.manifest
  ${CMAKE_CURRENT_LIST_DIR}/../src/resources/artwork.rc)

if(NORVI_TESTS AND EXISTS ${CMAKE_CURRENT_LIST_DIR}/../tests/e2e/CMakeLists.txt)
  enable_testing()
  add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/../tests/e2e ${CMAKE_BINARY_DIR}/tests/e2e)
endif()
