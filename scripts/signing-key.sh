# shellcheck shell=bash
# What scripts/release checks of a signing key before it builds anything, so that a key that
# cannot sign says why at once, each failed check in a line of its own. Sourced, not run: it uses
# the release's options, fail() and the private folder $tree.

# The password or PIN, in a file that only this user reads: the variable's value, or the first
# line of the file without the byte-order mark and the CR that Windows editors put there.
write_secret() {
  secret=$tree/password
  local caller_umask
  caller_umask=$(umask)
  umask 077
  if [ -n "$password_env" ]; then
    printf '%s\n' "$password"
  elif [ -n "$password_file" ]; then
    head -n 1 "$password_file" | sed '1s/^\xEF\xBB\xBF//; s/\r$//'
  fi >"$secret"
  umask "$caller_umask"
}

# Puts each certificate of the PEM file FILE into a file of its own, FOLDER/1.pem, 2.pem, ...
split_certificates() {
  mkdir -p "$2"
  awk -v folder="$2" '/-BEGIN CERTIFICATE-/ {n++; out = folder "/" n ".pem"} out {print > out}
    /-END CERTIFICATE-/ {close(out); out = ""}' "$1"
}

# OpenSSL 3 reads a PKCS#12 file in OpenSSL 1.1's format (RC2-40, still common) only through its
# legacy provider, and says "unsupported" without it; osslsigncode signs with such files.
pkcs12_open() {
  openssl pkcs12 "${legacy[@]}" -in "$pkcs12" -passin "file:$secret" "$@" 2>"$tree/open.log"
}

# The signer's certificate is the one whose key the file holds, as osslsigncode picks it, whether
# or not a localKeyID ties the two; every other certificate in the file is of its chain.
open_pkcs12() {
  legacy=()
  if ! pkcs12_open -nokeys -out "$tree/p12-certificates.pem"; then
    grep -q unsupported "$tree/open.log" ||
      fail "check failed: $pkcs12 could not be opened with the password given: $(head -n 1 "$tree/open.log")"
    legacy=(-legacy)
    pkcs12_open -nokeys -out "$tree/p12-certificates.pem" ||
      fail "check failed: $pkcs12 is in OpenSSL 1.1's legacy format (RC2-40), which this OpenSSL" \
        "cannot open; convert it with: openssl pkcs12 -legacy -in $pkcs12 -nodes |" \
        "openssl pkcs12 -export -out NEW.p12"
  fi
  pkcs12_open -nocerts -nodes | openssl pkey -pubout -out "$tree/p12-key.pem" 2>/dev/null ||
    fail "check failed: $pkcs12 holds no private key"
  split_certificates "$tree/p12-certificates.pem" "$tree/p12"
  [ -e "$tree/p12/1.pem" ] || fail "check failed: $pkcs12 holds a key but no certificate"
  : >"$chain"
  local certificate_file
  for certificate_file in "$tree"/p12/*.pem; do
    if [ ! -e "$leaf" ] && openssl x509 -in "$certificate_file" -noout -pubkey | cmp -s - "$tree/p12-key.pem"; then
      cp "$certificate_file" "$leaf"
    else
      cat "$certificate_file" >>"$chain"
    fi
  done
  [ -e "$leaf" ] || fail "check failed: $pkcs12 holds no certificate for its key"
}

# TEXT as an OpenSSL configuration value, where # starts a comment and $ a variable.
config_value() { sed 's/[\\#$"'"'"']/\\&/g' <<<"$1"; }

# A key in a token, reached through its module: the module must load, the PIN must open the key,
# and the key must make a signature that the certificate's public key verifies, before the build.
check_pkcs11_key() {
  [ -f "$module" ] && [ -r "$module" ] || fail "check failed: there is no PKCS#11 module $module"
  printf '%s\n' "openssl_conf = init" "[init]" "engines = engines" "[engines]" \
    "pkcs11 = pkcs11_section" "[pkcs11_section]" "engine_id = pkcs11" "MODULE_PATH = $(config_value "$module")" \
    "init = 0" >"$tree/engine.cnf"
  printf 'lomvist' | openssl dgst -sha256 -binary >"$tree/probe"
  # In a shell of its own: the engine may crash on a refused login, and the shell says so.
  if ! (OPENSSL_CONF=$tree/engine.cnf openssl pkeyutl -engine pkcs11 -keyform engine -inkey "$key" \
    -passin "file:$secret" -sign -in "$tree/probe" -out "$tree/probe.sig") >"$tree/probe.log" 2>&1; then
    if grep -q "Unable to load module" "$tree/probe.log"; then
      fail "check failed: the PKCS#11 module $module could not be loaded: $(head -n 2 "$tree/probe.log" | tail -n 1)"
    elif grep -q "Login failed" "$tree/probe.log"; then
      fail "check failed: the token refused the PIN given"
    elif grep -q "private key was not found" "$tree/probe.log"; then
      fail "check failed: the token holds no private key at $key"
    fi
    fail "check failed: the key $key could not sign: $(grep -v '^Engine' "$tree/probe.log" | head -n 1)"
  fi
  openssl pkeyutl -verify -certin -inkey "$leaf" -in "$tree/probe" -sigfile "$tree/probe.sig" \
    >/dev/null 2>&1 || fail "check failed: the key $key is not the key of the certificate in $certificate"
}

# --ca split: a signature is verified against self-signed roots alone, as Windows holds only
# roots, and the intermediates that --ca names go into the signature, which must carry its chain.
split_ca() {
  roots=$tree/roots.pem intermediates=$tree/intermediates.pem
  : >"$roots"
  : >"$intermediates"
  split_certificates "$ca" "$tree/ca"
  local certificate_file
  for certificate_file in "$tree"/ca/*.pem; do
    [ -e "$certificate_file" ] || fail "check failed: $ca holds no certificate"
    if [ "$(openssl x509 -in "$certificate_file" -noout -subject)" = \
      "$(openssl x509 -in "$certificate_file" -noout -issuer | sed 's/^issuer=/subject=/')" ] &&
      openssl verify -no_check_time -CAfile "$certificate_file" "$certificate_file" >/dev/null 2>&1; then
      cat "$certificate_file" >>"$roots"
    else
      cat "$certificate_file" >>"$intermediates"
    fi
  done
  [ -s "$roots" ] || fail "check failed: $ca holds no self-signed root certificate; a signature" \
    "verifies against a root, and the intermediates go into the signature"
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
  cat "$chain" "$intermediates" >"$tree/untrusted.pem"
  [ ! -s "$tree/untrusted.pem" ] || untrusted=(-untrusted "$tree/untrusted.pem")
  openssl verify -CAfile "$roots" "${untrusted[@]}" "$leaf" >"$tree/chain.log" 2>&1 ||
    fail "check failed: the certificate does not chain to $ca: $(grep -m 1 '^error' "$tree/chain.log")"
}

# Sets signing_key to osslsigncode's options, and leaf and roots to what its signature must meet.
prepare_signing() {
  write_secret
  leaf=$tree/signer.pem
  chain=$tree/chain.pem
  split_ca
  if [ -n "$pkcs12" ]; then
    open_pkcs12
    signing_key=(-pkcs12 "$pkcs12")
  else
    open_certificate_file
    check_pkcs11_key
    signing_key=(-pkcs11module "$module" -key "$key" -certs "$certificate")
  fi
  [ ! -s "$intermediates" ] || signing_key+=(-ac "$intermediates")
  check_signing_certificate
}
