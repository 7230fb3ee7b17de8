# Sourced by run.sh and test.sh: installs the Debian packages listed in
# scripts/packages.txt that are not installed yet.
ensure_packages() {
    local list="$1" missing=() pkg
    while read -r pkg; do
        [[ -z "$pkg" || "$pkg" == \#* ]] && continue
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$pkg")
    done <"$list"
    ((${#missing[@]} == 0)) && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    ((EUID != 0)) && sudo=(sudo)
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
}

# Generates the Estonian locale the tests use for the comma decimal separator.
ensure_locale() {
    locale -a 2>/dev/null | grep -qi '^et_EE\.utf-\?8$' && return 0
    local sudo=()
    ((EUID != 0)) && sudo=(sudo)
    if [[ -f /etc/locale.gen ]] && ! grep -q '^et_EE.UTF-8 UTF-8' /etc/locale.gen; then
        echo 'et_EE.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    fi
    "${sudo[@]}" locale-gen >/dev/null
}
