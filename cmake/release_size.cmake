# The MinGW release built for size where it costs nothing (README.md has what each option
# gave): -Os, and every function and object in a section of its own so that the linker
# drops the ones nothing uses. Included before any target exists, so every layer gets it.
option(NORVI_SIZE_OPTIONS "Build the release for size (-Os, section garbage collection)" ON)
option(NORVI_LTO "Link-time optimisation of the release" OFF)
set(release $<CONFIG:Release,MinSizeRel>)
if(NORVI_SIZE_OPTIONS)
  add_compile_options($<${release}:-Os> $<${release}:-ffunction-sections> $<${release}:-fdata-sections>)
  add_link_options($<${release}:-Wl,--gc-sections>)
endif()
if(NORVI_LTO)
  add_compile_options($<${release}:-flto>)
  add_link_options($<${release}:-flto>)
endif()
