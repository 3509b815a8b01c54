# Installs the Debian packages named as arguments that are not installed yet.
# Sourced by run.sh and test.sh; needs root (or sudo) when something is missing.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building and testing ZRLConv needs.
BUILD_PACKAGES=(g++ make cmake libgtest-dev qt6-base-dev qt6-qpa-plugins fonts-dejavu-core)
# The sanitizer and fuzzing build.
SANITIZE_PACKAGES=(clang libclang-rt-dev)
