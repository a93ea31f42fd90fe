# shellcheck shell=bash
# What scripts/release checks of a signing key before it builds anything, so that a key that
# cannot sign says why at once, each failed check in a line of its own. Sourced, not run: it uses
# the release's options, fail() and the private folder $tree.

# The password or PIN, in a file that only this user reads: the variable's value, or the first
# line of the file without the CR that a file written on Windows ends it with.
write_secret() {
  secret=$tree/password
  local caller_umask
  caller_umask=$(umask)
  umask 077
  if [ -n "$password_env" ]; then
    printf '%s\n' "${!password_env}"
  elif [ -n "$password_file" ]; then
    head -n 1 "$password_file" | sed 's/\r$//'
  fi >"$secret"
  umask "$caller_umask"
}

# OpenSSL 3 reads a PKCS#12 file in OpenSSL 1.1's format (RC2-40, still common) only through its
# legacy provider, and says "unsupported" without it; osslsigncode signs with such files.
pkcs12_certificates() {
  openssl pkcs12 "${legacy[@]}" -in "$pkcs12" -nokeys -passin "file:$secret" "$@" 2>"$tree/open.log"
}

open_pkcs12() {
  legacy=()
  if ! pkcs12_certificates -clcerts -out "$leaf"; then
    grep -q unsupported "$tree/open.log" ||
      fail "check failed: $pkcs12 could not be opened with the password given: $(head -n 1 "$tree/open.log")"
    legacy=(-legacy)
    pkcs12_certificates -clcerts -out "$leaf" ||
      fail "check failed: $pkcs12 is in OpenSSL 1.1's legacy format (RC2-40), which this OpenSSL" \
        "cannot open; convert it with: openssl pkcs12 -legacy -in $pkcs12 -nodes |" \
        "openssl pkcs12 -export -out NEW.p12"
  fi
  pkcs12_certificates -cacerts -out "$chain" || fail "check failed: $pkcs12: $(head -n 1 "$tree/open.log")"
}

# The first certificate of the file is the signer's, and any after it are intermediates.
open_certificate_file() {
  openssl x509 -in "$certificate" -out "$leaf" 2>"$tree/open.log" ||
    fail "check failed: $certificate holds no certificate: $(head -n 1 "$tree/open.log")"
  awk '/BEGIN CERTIFICATE/ {n++} n > 1' "$certificate" >"$chain"
}

extension() { openssl x509 -in "$leaf" -noout -ext "$1" 2>/dev/null | tail -n +2 | sed 's/^ *//'; }

# Windows takes a certificate without usages for any use, as OpenSSL does.
check_signing_certificate() {
  local usage start end untrusted=()
  if openssl x509 -in "$leaf" -noout -text | grep -q 'Public Key Algorithm: id-ecPublicKey'; then
    echo "release: warning: the certificate's key is ECDSA, and Smart App Control accepts only RSA" \
      "signatures: where it is on, it will block this lomvist.exe" >&2
  fi
  usage=$(extension extendedKeyUsage)
  if [ -n "$usage" ] && ! grep -q "Code Signing" <<<"$usage"; then
    fail "check failed: the certificate does not allow code signing, only: $usage"
  fi
  usage=$(extension keyUsage)
  if [ -n "$usage" ] && ! grep -q "Digital Signature" <<<"$usage"; then
    fail "check failed: the certificate's key may not make signatures, only: $usage"
  fi
  start=$(openssl x509 -in "$leaf" -noout -startdate | cut -d= -f2)
  end=$(openssl x509 -in "$leaf" -noout -enddate | cut -d= -f2)
  (($(date -d "$start" +%s) <= $(date +%s))) || fail "check failed: the certificate is not valid before $start"
  openssl x509 -in "$leaf" -noout -checkend 0 >/dev/null || fail "check failed: the certificate expired on $end"
  [ ! -s "$chain" ] || untrusted=(-untrusted "$chain")
  openssl verify -CAfile "$ca" "${untrusted[@]}" "$leaf" >"$tree/chain.log" 2>&1 ||
    fail "check failed: the certificate does not chain to $ca: $(grep -m 1 '^error' "$tree/chain.log")"
}

# Sets signing_key to osslsigncode's options and signer_hash to the certificate's SHA-256.
prepare_signing() {
  write_secret
  leaf=$tree/signer.pem
  chain=$tree/chain.pem
  if [ -n "$pkcs12" ]; then
    open_pkcs12
    signing_key=(-pkcs12 "$pkcs12")
  else
    open_certificate_file
    signing_key=(-pkcs11module "$module" -key "$key" -certs "$certificate")
  fi
  check_signing_certificate
  signer_hash=$(certificate_hash "$leaf")
}
