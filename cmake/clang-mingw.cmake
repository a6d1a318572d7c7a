# Clang and LLD for MinGW-w64, against the runtime and headers of the win32
# thread-model GCC: the architecture's toolchain file sets SCRUBWELL_TRIPLE and
# includes this one. Clang is told where that GCC's folder is (crtbegin.o,
# libgcc, libstdc++ and its headers), which it does not find by itself; the
# folder comes from that GCC, so it follows its version.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSROOT /usr/${SCRUBWELL_TRIPLE})
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${SCRUBWELL_TRIPLE})
set(CMAKE_CXX_COMPILER_TARGET ${SCRUBWELL_TRIPLE})
set(CMAKE_ASM_COMPILER_TARGET ${SCRUBWELL_TRIPLE})
set(CMAKE_RC_COMPILER ${SCRUBWELL_TRIPLE}-windres)
execute_process(COMMAND ${SCRUBWELL_TRIPLE}-gcc-win32 -print-libgcc-file-name
  OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(gcc_dir ${libgcc} DIRECTORY)
set(cxx_headers ${gcc_dir}/include/c++)
set(CMAKE_C_FLAGS_INIT "-B${gcc_dir}")
set(CMAKE_CXX_FLAGS_INIT
  "-B${gcc_dir} -cxx-isystem ${cxx_headers} -cxx-isystem ${cxx_headers}/${SCRUBWELL_TRIPLE} -cxx-isystem ${cxx_headers}/backward")
foreach(kind EXE SHARED MODULE)
  set(CMAKE_${kind}_LINKER_FLAGS_INIT "-fuse-ld=lld -L${gcc_dir}")
endforeach()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
