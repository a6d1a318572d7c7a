# The Scrubwell settings-dialog library for find_package(Scrubwell):
#   Scrubwell::TidwexUI  TidwexUI.dll with its import library and the headers,
#                        for hosts that call the functions by name
#   Scrubwell::Headers   the headers alone, for hosts that use LoadLibrary
# The consumer's pointer size picks the x86 or the x64 library; MSVC-style
# toolchains link TidwexUI.lib, MinGW libTidwexUI.dll.a.
get_filename_component(_scrubwell_root "${CMAKE_CURRENT_LIST_DIR}/../../.." ABSOLUTE)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(_scrubwell_arch x86)
elseif(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(_scrubwell_arch x64)
else()
  set(Scrubwell_FOUND FALSE)
  set(Scrubwell_NOT_FOUND_MESSAGE "Scrubwell: enable C or C++ before find_package, so that the pointer size is known")
  return()
endif()
# The kind of import library the toolchain makes itself: .lib for cl,
# clang-cl and clang targeting MSVC, .dll.a for MinGW.
if(MSVC OR CMAKE_IMPORT_LIBRARY_SUFFIX STREQUAL ".lib")
  set(_scrubwell_implib TidwexUI.lib)
else()
  set(_scrubwell_implib libTidwexUI.dll.a)
endif()

if(NOT TARGET Scrubwell::Headers)
  add_library(Scrubwell::Headers INTERFACE IMPORTED)
  set_target_properties(Scrubwell::Headers PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "${_scrubwell_root}/include")
endif()
if(NOT TARGET Scrubwell::TidwexUI)
  add_library(Scrubwell::TidwexUI SHARED IMPORTED)
  set_target_properties(Scrubwell::TidwexUI PROPERTIES
    IMPORTED_LOCATION "${_scrubwell_root}/${_scrubwell_arch}/TidwexUI.dll"
    IMPORTED_IMPLIB "${_scrubwell_root}/${_scrubwell_arch}/${_scrubwell_implib}"
    INTERFACE_LINK_LIBRARIES Scrubwell::Headers
    INTERFACE_COMPILE_DEFINITIONS SCRUBWELL_DLLIMPORT)
endif()
unset(_scrubwell_root)
unset(_scrubwell_arch)
unset(_scrubwell_implib)
