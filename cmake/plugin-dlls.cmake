# The plug-in DLLs: TidwexUI and, for the tests, TidwexUI_scripted (the
# exports around a scripted session) and TidwexUI_faults (with fault points),
# and TidwexUI's import libraries in lib/.
#
# Clang and LLD build them, as shipped. A build with GCC (the test programs,
# the demo host, the block tool) builds them in a Clang build of their own in
# clang/ and copies them into its bin/ and lib/, so that every Windows test
# loads the Clang-built library from GCC-built code. SCRUBWELL_CLANG_DLLS=OFF
# builds them with GCC instead.
option(SCRUBWELL_CLANG_DLLS "Build the plug-in DLLs with Clang and LLD" ON)
option(SCRUBWELL_DLLS_ONLY "Build the plug-in DLLs and nothing after them" OFF)

set(plugin_dlls TidwexUI)
if(SCRUBWELL_TESTS)
  list(APPEND plugin_dlls TidwexUI_scripted TidwexUI_faults)
endif()

if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND SCRUBWELL_CLANG_DLLS)
  include(ExternalProject)
  set(clang_build ${CMAKE_BINARY_DIR}/clang)
  ExternalProject_Add(clang_dlls
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${clang_build}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/clang-${CMAKE_SYSTEM_PROCESSOR}.cmake
      -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE} -DSCRUBWELL_DLLS_ONLY=ON -DSCRUBWELL_TESTS=${SCRUBWELL_TESTS} -Wno-dev
    BUILD_ALWAYS ON
    INSTALL_COMMAND ${CMAKE_COMMAND} -E copy_directory ${clang_build}/bin ${CMAKE_BINARY_DIR}/bin
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${clang_build}/lib ${CMAKE_BINARY_DIR}/lib
    USES_TERMINAL_BUILD ON)
  foreach(dll ${plugin_dlls})
    add_custom_target(${dll})
    add_dependencies(${dll} clang_dlls)
  endforeach()
  return()
endif()

set(plugin_sources)
set(plugin_link_options ${SCRUBWELL_SHIPPED_LINK_OPTIONS} -Wl,--enable-stdcall-fixup)
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  include(${CMAKE_CURRENT_LIST_DIR}/clang-dll-options.cmake)
endif()

# A plug-in DLL: the exported functions, the given sources, a .def file. The
# linker map (TARGET.map) attributes every byte of it.
function(scrubwell_plugin_dll target def)
  add_library(${target} SHARED ${CMAKE_SOURCE_DIR}/exports/exports.cpp ${CMAKE_SOURCE_DIR}/exports/lean_runtime.cpp
    ${CMAKE_SOURCE_DIR}/exports/stack_protector.cpp
    ${CMAKE_SOURCE_DIR}/exports/host_memory.cpp ${CMAKE_SOURCE_DIR}/exports/dpi_context.cpp
    ${plugin_sources} ${ARGN})
  set_target_properties(${target} PROPERTIES PREFIX "" LINK_DEPENDS ${def})
  scrubwell_version_resource(${target} "Scrubwell settings dialog")
  target_compile_options(${target} PRIVATE ${SCRUBWELL_LEAN_OPTIONS})
  # The .def file and the map by names relative to the build folder, which
  # the linker's command line in the PDB would otherwise name.
  get_filename_component(def_name ${def} NAME)
  configure_file(${def} ${CMAKE_BINARY_DIR}/${def_name} COPYONLY)
  target_link_options(${target} PRIVATE -Os -Wl,--gc-sections -Wl,${def_name} ${plugin_link_options})
  scrubwell_link_map(${target})
  if(COMMAND scrubwell_plugin_pdb)
    scrubwell_plugin_pdb(${target})
  endif()
  target_link_libraries(${target} PRIVATE ${SCRUBWELL_STATIC_RUNTIME} kernel32 advapi32)
endfunction()

scrubwell_plugin_dll(TidwexUI ${CMAKE_SOURCE_DIR}/exports/TidwexUI.def ${CMAKE_SOURCE_DIR}/exports/dll_main.cpp)
target_link_libraries(TidwexUI PRIVATE scrubwell_ui)

if(SCRUBWELL_TESTS)
  scrubwell_plugin_dll(TidwexUI_scripted ${CMAKE_SOURCE_DIR}/tests/windows/TidwexUI_scripted.def
    ${CMAKE_SOURCE_DIR}/tests/windows/scripted_session.cpp)
  target_link_libraries(TidwexUI_scripted PRIVATE scrubwell_core)
  # Its test seams (it has no fault points).
  target_compile_definitions(TidwexUI_scripted PRIVATE SCRUBWELL_FAULT_POINTS)

  # The library with its fault points armed by the tests.
  scrubwell_libraries(_faults)
  scrubwell_plugin_dll(TidwexUI_faults ${CMAKE_SOURCE_DIR}/tests/windows/TidwexUI_faults.def
    ${CMAKE_SOURCE_DIR}/exports/dll_main.cpp ${CMAKE_SOURCE_DIR}/tests/windows/fault_points.cpp)
  target_link_libraries(TidwexUI_faults PRIVATE scrubwell_ui_faults)
endif()

# Import libraries for hosts that link the library, in lib/: MinGW's
# libTidwexUI.dll.a (in place of the linker's, which knows only the
# undecorated names) and a COFF TidwexUI.lib for MSVC. On x86 both map the
# decorated stdcall names (_GetEffectInfo@20) to the undecorated exports.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(import_def ${CMAKE_SOURCE_DIR}/exports/TidwexUI_x86.def)
  set(dlltool_machine i386)
else()
  set(import_def ${CMAKE_SOURCE_DIR}/exports/TidwexUI.def)
  set(dlltool_machine i386:x86-64)
endif()
find_program(SCRUBWELL_DLLTOOL ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-dlltool REQUIRED)
find_program(SCRUBWELL_LLVM_DLLTOOL NAMES llvm-dlltool llvm-dlltool-14 REQUIRED)
set_target_properties(TidwexUI PROPERTIES ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
# In lib/, by relative names: dlltool names the archive's members and symbols
# after the output's path, which must not carry the build folder.
add_custom_command(TARGET TidwexUI POST_BUILD
  COMMAND ${SCRUBWELL_DLLTOOL} -k -d ${import_def} -l $<TARGET_LINKER_FILE_NAME:TidwexUI>
  COMMAND ${SCRUBWELL_LLVM_DLLTOOL} -m ${dlltool_machine} -k -d ${import_def} -l TidwexUI.lib
  COMMAND ${CMAKE_COMMAND} -E copy ${import_def} TidwexUI.def
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/lib
  VERBATIM)
