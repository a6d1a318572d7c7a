#!/usr/bin/env bash
# Writes the release package's software bill of materials, an SPDX 2.3 JSON
# document, to stdout: the package, each of its files with its checksums, and
# the pieces of the MinGW-w64 runtime and of GCC's runtime libraries (libgcc,
# libstdc++) that the shipped Windows binaries link statically, with their
# licences and versions as this machine's Debian packages give them.
# THIRD-PARTY-NOTICES says which pieces those are.
# Usage: make-sbom.sh PACKAGE_DIR VERSION
set -euo pipefail
package=$1
version=$2
created=$(date -u -d "@${SOURCE_DATE_EPOCH:-0}" +%Y-%m-%dT%H:%M:%SZ)
deb_version() { dpkg-query -W -f '${Version}' "$1" 2>/dev/null || echo NOASSERTION; }

files=$(cd "$package" && find . -type f ! -name SHA256SUMS ! -name '*.spdx.json' | cut -c3- | LC_ALL=C sort)
# One JSON object per file; its SPDX id is its index.
file_objects=$(cd "$package" && i=0 && while read -r file; do
  i=$((i + 1))
  jq -n --arg name "./$file" --arg id "SPDXRef-File-$i" --arg sha1 "$(sha1sum "$file" | cut -d' ' -f1)" \
    --arg sha256 "$(sha256sum "$file" | cut -d' ' -f1)" \
    '{fileName: $name, SPDXID: $id, checksums: [{algorithm: "SHA1", checksumValue: $sha1},
      {algorithm: "SHA256", checksumValue: $sha256}], licenseConcluded: "NOASSERTION", copyrightText: "NOASSERTION"}'
done <<<"$files" | jq -s .)
# The package verification code: SHA-1 of the files' sorted SHA-1s.
verification=$(jq -r '.[].checksums[0].checksumValue' <<<"$file_objects" | LC_ALL=C sort | tr -d '\n' | sha1sum | cut -d' ' -f1)

jq -n --arg version "$version" --arg created "$created" --arg verification "$verification" \
  --arg mingw "$(deb_version mingw-w64-common)" --arg gcc "$(deb_version gcc-mingw-w64-base)" \
  --arg namespace "https://spdx.org/spdxdocs/scrubwell-$version-$verification" \
  --argjson files "$file_objects" '{
  spdxVersion: "SPDX-2.3",
  dataLicense: "CC0-1.0",
  SPDXID: "SPDXRef-DOCUMENT",
  name: ("scrubwell-" + $version),
  documentNamespace: $namespace,
  creationInfo: {created: $created, creators: ["Organization: Kestrune", "Tool: make-sbom.sh"]},
  documentDescribes: ["SPDXRef-Package"],
  packages: [
    {SPDXID: "SPDXRef-Package", name: "Scrubwell", versionInfo: $version, supplier: "Organization: Kestrune",
     downloadLocation: "NOASSERTION", filesAnalyzed: true,
     packageVerificationCode: {packageVerificationCodeValue: $verification, packageVerificationCodeExcludedFiles: ["./scrubwell.spdx.json"]},
     licenseConcluded: "MIT", licenseDeclared: "MIT", licenseInfoFromFiles: ["NOASSERTION"],
     copyrightText: "Copyright (c) 2026 The Scrubwell developers",
     hasFiles: [$files[].SPDXID]},
    {SPDXID: "SPDXRef-mingw-w64-runtime", name: "mingw-w64 runtime", versionInfo: $mingw,
     downloadLocation: "NOASSERTION", filesAnalyzed: false,
     licenseConcluded: "ZPL-2.1 AND LicenseRef-public-domain", licenseDeclared: "ZPL-2.1 AND LicenseRef-public-domain",
     copyrightText: "Copyright (c) 2009-2016 the mingw-w64 project"},
    {SPDXID: "SPDXRef-libgcc", name: "libgcc", versionInfo: $gcc, downloadLocation: "NOASSERTION", filesAnalyzed: false,
     licenseConcluded: "GPL-3.0-or-later WITH GCC-exception-3.1", licenseDeclared: "GPL-3.0-or-later WITH GCC-exception-3.1",
     copyrightText: "Copyright (C) Free Software Foundation, Inc."},
    {SPDXID: "SPDXRef-libstdcxx", name: "libstdc++", versionInfo: $gcc, downloadLocation: "NOASSERTION", filesAnalyzed: false,
     licenseConcluded: "GPL-3.0-or-later WITH GCC-exception-3.1", licenseDeclared: "GPL-3.0-or-later WITH GCC-exception-3.1",
     copyrightText: "Copyright (C) Free Software Foundation, Inc."}
  ],
  hasExtractedLicensingInfos: [
    {licenseId: "LicenseRef-public-domain", name: "public domain",
     extractedText: "The files of the mingw-w64 runtime that Debian lists as public domain (mingw-w64-crt/crt, misc and parts of math) carry no copyright."}
  ],
  files: $files,
  relationships: (
    [{spdxElementId: "SPDXRef-DOCUMENT", relationshipType: "DESCRIBES", relatedSpdxElement: "SPDXRef-Package"}]
    + [$files[] | {spdxElementId: "SPDXRef-Package", relationshipType: "CONTAINS", relatedSpdxElement: .SPDXID}]
    + [$files[] | select(.fileName | test("\\.(dll|exe)$")) | . as $file
       | ("SPDXRef-mingw-w64-runtime", "SPDXRef-libgcc", "SPDXRef-libstdcxx")
       | {spdxElementId: $file.SPDXID, relationshipType: "STATIC_LINK", relatedSpdxElement: .}])
}'
