#!/usr/bin/env bash
# Runs a compiler with the source tree's folder named relative to the build
# folder it runs in: Clang writes its whole command line into the CodeView
# debug information, and the PDB must name no build machine's folder.
# Usage: relative-paths.sh SOURCE_DIR COMPILER ARGUMENTS...
set -euo pipefail
source_dir=$1
shift
relative=$(realpath --relative-to=. "$source_dir")
arguments=()
for argument in "$@"; do
  arguments+=("${argument//"$source_dir"/$relative}")
done
exec "${arguments[@]}"
