"""The one rule for the addresses that a release's manifests name, imported wherever they are made
or checked: a plain https:// address that every manifest holds as it stands, read as urllib.parse
splits it."""
import re
import string
import urllib.parse

# RFC 3986's unreserved characters and the sub-delimiters that no manifest, shell or Scoop reads
# otherwise: no whitespace, quotes, backslashes, $ (Scoop's variables) or * (a shell's wildcard).
FOLDER = set(string.ascii_letters + string.digits + "-._~!&()+,;=:@%")
LABEL = re.compile(r"(?!-)[A-Za-z0-9-]{1,63}(?<!-)")
ESCAPE = re.compile(r"%(?![0-9A-Fa-f]{2})")


def split(what, address):
    """The address's parts, or the reason why a manifest cannot hold it as it is."""
    if not isinstance(address, str) or not address.isascii() or not address.isprintable() \
            or len(address) > 2000:
        return None, f"{what} is not a plain https:// address: {address!r}"
    parts = urllib.parse.urlsplit(address)
    try:
        port = parts.port
    except ValueError:
        port = 0
    host = parts.hostname or ""
    if parts.scheme != "https" or parts.query or parts.fragment or "?" in address \
            or "#" in address or "@" in parts.netloc or port == 0 or parts.netloc.endswith(":"):
        return None, f"{what} is not a plain https:// address: {address!r}"
    if len(host.split(".")) < 2 or not all(LABEL.fullmatch(label) for label in host.split(".")):
        return None, f"{what} names no valid host: {address!r}"
    for folder in parts.path.split("/")[1:]:
        # A WHATWG client reads %2e%2e as "..".
        if urllib.parse.unquote(folder) in ("", ".", ".."):
            return None, f"{what} has an empty, . or .. folder, which clients resolve elsewhere: {address!r}"
        if set(folder) - FOLDER or ESCAPE.search(folder):
            return None, f"{what} has a folder that a manifest cannot hold as it is: {address!r}"
    return parts, None


def version_folders(url, version):
    """The indexes of the folders that name the version whole (1.0, v1.0, lomvist-1.0), which
    Scoop's autoupdate replaces with the next one's."""
    pattern = re.compile(r"(.*[-_])?v?" + re.escape(version))
    return [i for i, folder in enumerate(url.split("/")) if i > 2 and pattern.fullmatch(folder)]


def problems(url, home_page, version):
    files, problem = split("the URL", url)
    home, home_problem = split("the home page", home_page)
    if problem or home_problem:
        return [p for p in (problem, home_problem) if p]
    found = []
    naming = version_folders(url, version)
    if len(naming) != 1:
        found.append(f"{url} names the version {version} in {len(naming)} of its folders, not"
                     f" one (as /v{version}/ or /{version}/), so Scoop could not find the next"
                     " release's files")
    folders = files.path.split("/")[1:]
    if files.hostname == "github.com" and (len(folders) != 5 or folders[2:4] != ["releases", "download"]):
        found.append(f"{url} is not a GitHub release's download folder,"
                     " https://github.com/OWNER/REPO/releases/download/TAG")
    if home.hostname != files.hostname:
        found.append(f"the home page {home_page} is not on {files.hostname}, where the files are")
    elif files.hostname == "github.com" and home.path.strip("/").split("/") != folders[:2]:
        found.append(f"the home page {home_page} is not the repository's,"
                     f" https://github.com/{'/'.join(folders[:2])}")
    return found
