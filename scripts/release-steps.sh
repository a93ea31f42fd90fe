# shellcheck shell=bash
# The steps that scripts/release and scripts/check-release share, so that the release and its
# check build the same bytes. Sourced, not run.
# shellcheck source=scripts/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# Unpacks COMMIT into TREE and builds its Linux and Windows programs with the commit's own release
# presets, configured as the tests' builds are, with every timestamp at the commit's time and the
# builder's time zone, umask and line-end setting out of reach of the files.
build_release_tree() {
  local commit=$1 tree=$2 folder
  export SOURCE_DATE_EPOCH
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct "$commit")
  fixed_build_settings
  git -c core.autocrlf=false archive "$commit" | tar -x -C "$tree"
  for folder in linux windows; do
    (cd "$tree" && cmake --preset "release-$folder" --log-level=WARNING >/dev/null &&
      cmake --build --preset "release-$folder")
  done
}

# The program that goes into the .zip; a release signs this very file before it is packed.
zip_program() { echo "$1/build/windows/zip/lomvist.exe"; }

# The name of the MSI that the Windows build BUILD makes from the files of its .zip.
msi_name() { echo "lomvist-$(cache_value "$1" CMAKE_PROJECT_VERSION)-windows-x86_64.msi"; }

# Packs TREE's builds and puts the release files of COMMIT into the empty folder OUT: the .deb,
# the Windows .zip, the MSI and the source tarball. A release signs the MSI next, then names the
# files in SHA256SUMS (write_sums).
pack_release() {
  local commit=$1 tree=$2 out=$3 folder version architecture
  for folder in linux windows; do (cd "$tree/build/$folder" && cpack >/dev/null); done
  version=$(cache_value "$tree/build/linux" CMAKE_PROJECT_VERSION)
  architecture=$(cache_value "$tree/build/linux" LOMVIST_DEB_ARCHITECTURE)
  release_files=("lomvist_${version}_${architecture}.deb" "lomvist-${version}-windows-x86_64.zip"
    "$(msi_name "$tree/build/windows")" "lomvist-${version}.tar.gz")
  "$tree/scripts/make-msi" "$tree/build/windows/zip" "$version" "$tree/build/windows/${release_files[2]}"
  cp "$tree/build/linux/${release_files[0]}" "$tree/build/windows/${release_files[1]}" \
    "$tree/build/windows/${release_files[2]}" "$out/"
  git -c core.autocrlf=false archive --prefix="lomvist-${version}/" "$commit" | gzip -9n >"$out/${release_files[3]}"
}

# SHA256SUMS in OUT, naming the files that pack_release put there.
write_sums() { (cd "$1" && sha256sum "${release_files[@]}" >SHA256SUMS); }
