# How LLD links the plug-in DLLs (included by plugin-dlls.cmake in a Clang build):
# - a PDB beside each DLL, which its CodeView entry names without a folder;
#   paths in the PDB relative to ".", so that no build folder is in it and
#   two builds of one commit in different folders give the same bytes;
# - Control Flow Guard's table and flags, the CET shadow-stack mark;
# - -Brepro: the header's timestamp is a hash of the contents, not a time;
# - on x86 the NO_SEH flag and the subsystem and OS version of Windows XP,
#   which LLD would otherwise set to 6.0; the .def file's undecorated names
#   bound to the stdcall functions without a warning, as with GNU ld.
set(plugin_link_options
  -Wl,--Xlink=-pdbaltpath:%_PDB% -Wl,--Xlink=-pdbsourcepath:.
  -Wl,--Xlink=-guard:cf -Wl,--Xlink=-cetcompat -Wl,--Xlink=-Brepro)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  list(APPEND plugin_link_options -Wl,--enable-stdcall-fixup -Wl,--no-seh -Wl,--major-subsystem-version=5 -Wl,--minor-subsystem-version=1
    -Wl,--major-os-version=5 -Wl,--minor-os-version=1)
endif()

# The runtime's objects bring DWARF sections, which LLD keeps beside the PDB;
# they go after the link.
function(scrubwell_plugin_pdb target)
  target_link_options(${target} PRIVATE -Wl,--pdb=bin/${target}.pdb)
  add_custom_command(TARGET ${target} POST_BUILD COMMAND ${SCRUBWELL_LLVM_OBJCOPY} --strip-debug $<TARGET_FILE:${target}>
    VERBATIM)
endfunction()
find_program(SCRUBWELL_LLVM_OBJCOPY NAMES llvm-objcopy llvm-objcopy-14 REQUIRED)

# The loader finds the CFG tables and the stack protector's cookie through the
# load configuration. MinGW-w64 before version 11 has none; a newer runtime
# brings its own, and a second would clash with it.
include(CheckCSourceCompiles)
check_c_source_compiles("extern char _load_config_used; int main(void) { return _load_config_used; }"
  SCRUBWELL_RUNTIME_HAS_LOAD_CONFIG)
if(NOT SCRUBWELL_RUNTIME_HAS_LOAD_CONFIG)
  enable_language(ASM)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(plugin_sources ${CMAKE_SOURCE_DIR}/exports/load_config_x86.S)
  else()
    set(plugin_sources ${CMAKE_SOURCE_DIR}/exports/load_config_x64.S)
  endif()
  # No debug information: it would name the source's folder.
  set_source_files_properties(${plugin_sources} PROPERTIES COMPILE_OPTIONS -g0)
endif()
