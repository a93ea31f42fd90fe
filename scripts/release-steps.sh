# shellcheck shell=bash
# The steps that scripts/release and scripts/check-release share, so that the release and its
# check build the same bytes. Sourced, not run.
# shellcheck source=scripts/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# Unpacks COMMIT into TREE and builds its Linux and Windows programs with the commit's own release
# presets, configured as the tests' builds are, with every timestamp at the commit's time.
build_release_tree() {
  local commit=$1 tree=$2 folder
  export SOURCE_DATE_EPOCH
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct "$commit")
  git archive "$commit" | tar -x -C "$tree"
  for folder in linux windows; do
    (cd "$tree" && cmake --preset "release-$folder" --log-level=WARNING >/dev/null &&
      cmake --build --preset "release-$folder")
  done
}

# The program that goes into the .zip; a release signs this very file before it is packed.
zip_program() { echo "$1/build/windows/zip/lomvist.exe"; }

# Packs TREE's builds and puts the release files of COMMIT into the empty folder OUT: the .deb,
# the Windows .zip, the source tarball and SHA256SUMS, which names them.
pack_release() {
  local commit=$1 tree=$2 out=$3 folder version architecture files
  for folder in linux windows; do (cd "$tree/build/$folder" && cpack >/dev/null); done
  version=$(cache_value "$tree/build/linux" CMAKE_PROJECT_VERSION)
  architecture=$(cache_value "$tree/build/linux" LOMVIST_DEB_ARCHITECTURE)
  files=("lomvist_${version}_${architecture}.deb" "lomvist-${version}-windows-x86_64.zip"
    "lomvist-${version}.tar.gz")
  cp "$tree/build/linux/${files[0]}" "$tree/build/windows/${files[1]}" "$out/"
  git archive --prefix="lomvist-${version}/" "$commit" | gzip -9n >"$out/${files[2]}"
  (cd "$out" && sha256sum "${files[@]}" >SHA256SUMS)
}
